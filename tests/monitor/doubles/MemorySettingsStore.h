#pragma once

#include <map>
#include <string>
#include <vector>

#include "monitor/watch/SettingsStore.h"

namespace vigilon::testing {

// Sections and entries in memory, with a log of every write in order.
class MemorySettingsStore : public SettingsStore {
public:
    std::map<std::string, std::map<std::string, std::string>> sections;
    std::map<std::string, std::map<std::string, std::vector<unsigned char>>> binaries;
    std::vector<std::string> writes;  // "Section\Entry=value", bytes as their count "<n bytes>"

    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& entry) const override {
        const auto s = sections.find(section);
        if (s == sections.end()) return std::nullopt;
        const auto e = s->second.find(entry);
        if (e == s->second.end()) return std::nullopt;
        return e->second;
    }
    void WriteString(const std::string& section, const std::string& entry,
                     const std::string& value) override {
        sections[section][entry] = value;
        writes.push_back(section + "\\" + entry + "=" + value);
    }
    std::optional<std::vector<unsigned char>> ReadBinary(const std::string& section,
                                                         const std::string& entry) const override {
        const auto s = binaries.find(section);
        if (s == binaries.end()) return std::nullopt;
        const auto e = s->second.find(entry);
        if (e == s->second.end()) return std::nullopt;
        return e->second;
    }
    void WriteBinary(const std::string& section, const std::string& entry,
                     const std::vector<unsigned char>& value) override {
        binaries[section][entry] = value;
        writes.push_back(section + "\\" + entry + "=<" + std::to_string(value.size()) + " bytes>");
    }
    std::vector<std::string> EntryNames(const std::string& section) const override {
        std::vector<std::string> names;
        const auto s = sections.find(section);
        if (s == sections.end()) return names;
        for (const auto& [name, value] : s->second) names.push_back(name);
        return names;
    }
};

}  // namespace vigilon::testing
