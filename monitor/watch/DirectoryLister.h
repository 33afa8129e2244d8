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

// The system's error code of a directory search; 0 when it went through.
using ListError = std::uint32_t;
inline constexpr ListError kListed = 0;
inline constexpr ListError kErrorFileNotFound = 2;   // nothing matched the pattern
inline constexpr ListError kErrorPathNotFound = 3;   // the folder is not there
inline constexpr ListError kErrorInvalidName = 123;  // a file where a folder was (Wine)
inline constexpr ListError kErrorDirectory = 267;    // a file where a folder was

// One level of a folder: every entry that matches a "*.*" pattern, sub-folders,
// hidden and system entries included ("." and ".." as the system reports them).
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;
    // Appends the entries found. On an error the entries appended may be
    // incomplete (a search that broke off half way).
    virtual ListError List(const std::string& pattern, std::vector<DirEntry>& entries) const = 0;
    // Starts a search and ends it at once: whether the pattern can be listed.
    virtual ListError Probe(const std::string& pattern) const = 0;
};

}  // namespace vigilon
