#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "jukebox/console/RecentMenu.h"
#include "jukebox/model/TextCase.h"
#include "jukebox/settings/RegistryStore.h"

namespace brambletune {

// The recent albums: full paths, the most recent first, no two equal without
// regard to case, at most MaxRecent of them; shown in a menu and kept in the
// registry key "Recent Files" as values "1", "2", ... in the same order.
class CRecentFiles {
public:
    static constexpr std::int32_t kMaxLimit = 20;
    // Turns an 8.3 path into its long form.
    using LongPathFn = std::function<std::string(const std::string&)>;

    CRecentFiles(RecentMenu& menu, RegistryStore& registry, const TextCase& textCase,
                 LongPathFn longPath);
    // Saves the list once Init has read it, so an unused object leaves the stored list alone.
    ~CRecentFiles();
    CRecentFiles(const CRecentFiles&) = delete;
    CRecentFiles& operator=(const CRecentFiles&) = delete;

    std::int32_t MaxRecent() const { return maxRecent_; }
    // Kept within 1..20; a smaller limit drops the oldest entries at once.
    void SetMaxRecent(std::int32_t maxRecent);
    void Add(const std::string& file);
    void Init(std::int32_t maxRecent);
    void Read();
    void Save() const;
    const std::vector<std::string>& Files() const { return files_; }

private:
    // The entry equal to file without regard to case, or end.
    std::vector<std::string>::const_iterator Find(const std::string& file) const;

    RecentMenu& menu_;
    RegistryStore& registry_;
    const TextCase& textCase_;
    LongPathFn longPath_;
    std::int32_t maxRecent_ = 1;
    std::vector<std::string> files_;
    bool read_ = false;
};

}  // namespace brambletune
