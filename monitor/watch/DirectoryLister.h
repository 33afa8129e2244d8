#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vigilon {

struct DirEntry {
    std::string name;
    // Last-write time in local time as a packed DOS date-time:
    // date in the high 16 bits, time in the low 16 bits.
    std::int32_t dosTime = 0;
};

// One level of a folder: every entry that matches a "*.*" pattern, sub-folders,
// hidden and system entries included ("." and ".." as the system reports them).
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;
    // Appends the entries found; returns false when the search could not start
    // (missing or unreadable folder).
    virtual bool List(const std::string& pattern, std::vector<DirEntry>& entries) const = 0;
};

}  // namespace vigilon
