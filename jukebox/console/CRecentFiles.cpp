#include "jukebox/console/CRecentFiles.h"

#include <algorithm>

#include "jukebox/settings/MGeneral.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

const std::string kRecentKey = std::string(kSettingsRoot) + "Recent Files";

}  // namespace

CRecentFiles::CRecentFiles(RecentMenu& menu, RegistryStore& registry, const TextCase& textCase,
                           LongPathFn longPath)
    : menu_(menu), registry_(registry), textCase_(textCase), longPath_(std::move(longPath)) {}

CRecentFiles::~CRecentFiles() {
    if (read_) Save();
}

void CRecentFiles::SetMaxRecent(std::int32_t maxRecent) {
    maxRecent_ = Clamp(maxRecent, 1, kMaxLimit);
    if (static_cast<std::int32_t>(files_.size()) <= maxRecent_) return;
    files_.resize(static_cast<std::size_t>(maxRecent_));
    menu_.Show(files_);
}

void CRecentFiles::Add(const std::string& file) {
    if (file.empty()) return;
    const std::string path = longPath_(file);
    const auto same = Find(path);
    if (same != files_.end()) {
        files_.erase(same);
    } else if (static_cast<std::int32_t>(files_.size()) >= maxRecent_) {
        files_.pop_back();
    }
    files_.insert(files_.begin(), path);
    menu_.Show(files_);
}

void CRecentFiles::Init(std::int32_t maxRecent) {
    SetMaxRecent(maxRecent);
    Read();
}

void CRecentFiles::Read() {
    files_.clear();
    for (int value = 1; static_cast<std::int32_t>(files_.size()) < maxRecent_; ++value) {
        const std::string file = GetRegString(registry_, RegistryStore::kCurrentUser, kRecentKey,
                                              std::to_string(value), "");
        if (file.empty()) break;
        // A list edited by hand may name a file twice; the first (newest) counts.
        if (Find(file) == files_.end()) files_.push_back(file);
    }
    read_ = true;
    menu_.Show(files_);
}

void CRecentFiles::Save() const {
    DeleteRegKey(registry_, RegistryStore::kCurrentUser, kRecentKey);
    for (std::size_t i = 0; i < files_.size(); ++i)
        SetRegValue(registry_, RegistryStore::kCurrentUser, kRecentKey, std::to_string(i + 1),
                    files_[i], RegistryStore::kSz);
}

std::vector<std::string>::const_iterator CRecentFiles::Find(const std::string& file) const {
    const std::string key = textCase_.Lower(file);
    return std::find_if(files_.begin(), files_.end(),
                        [&](const std::string& f) { return textCase_.Lower(f) == key; });
}

}  // namespace brambletune
