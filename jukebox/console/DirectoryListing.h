#pragma once

#include <string>
#include <vector>

namespace brambletune {

// One name found in a folder listing.
struct DirectoryEntry {
    std::string name;
    bool isFolder = false;
};

// Lists the entries of one folder that match a wildcard path such as
// "C:\Music\*.mp3"; the system matches the wildcard with its own rules.
class DirectoryListing {
public:
    virtual ~DirectoryListing() = default;
    // Entries in the system's listing order, "." and ".." included when the
    // pattern matches them; empty when nothing matches or the folder cannot be read.
    virtual std::vector<DirectoryEntry> List(const std::string& wildcardPath) const = 0;
};

}  // namespace brambletune
