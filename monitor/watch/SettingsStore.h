#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vigilon {

// An INI-like store: sections holding named text entries. The Windows build keeps
// it in the per-user registry; tests keep it in memory. Failures are silent:
// reads give nothing, writes are dropped.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The entry's text, or nothing when the section or entry is missing or does
    // not hold text.
    virtual std::optional<std::string> ReadString(const std::string& section,
                                                  const std::string& entry) const = 0;
    virtual void WriteString(const std::string& section, const std::string& entry,
                             const std::string& value) = 0;
    // The entry's bytes, or nothing when it is missing or does not hold bytes.
    virtual std::optional<std::vector<unsigned char>> ReadBinary(
        const std::string& section, const std::string& entry) const = 0;
    virtual void WriteBinary(const std::string& section, const std::string& entry,
                             const std::vector<unsigned char>& value) = 0;
    // The names of the entries present in a section.
    virtual std::vector<std::string> EntryNames(const std::string& section) const = 0;
};

}  // namespace vigilon
