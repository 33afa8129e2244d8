#pragma once

#include <string>

#include "monitor/watch/SettingsStore.h"

namespace vigilon {

// Sections are sub-keys of HKEY_CURRENT_USER\<root>, entries REG_SZ values.
class RegistrySettingsStore : public SettingsStore {
public:
    static constexpr const char* kDefaultRoot = "Software\\Quenmark\\Vigilon2000";

    explicit RegistrySettingsStore(std::string root = kDefaultRoot);

    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& entry) const override;
    void WriteString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    std::optional<std::vector<unsigned char>> ReadBinary(const std::string& section,
                                                         const std::string& entry) const override;
    void WriteBinary(const std::string& section, const std::string& entry,
                     const std::vector<unsigned char>& value) override;
    std::vector<std::string> EntryNames(const std::string& section) const override;

private:
    std::string SectionPath(const std::string& section) const;
    std::string root_;
};

}  // namespace vigilon
