#pragma once

#include <map>
#include <string>
#include <vector>

#include "jukebox/console/DirectoryListing.h"
#include "jukebox/model/Wildcard.h"

namespace brambletune::testing {

// A folder tree in memory. Folders are keyed by their path with a trailing
// backslash; each lists "." and ".." first and then its entries in the order
// they were added, which stands for the file system's listing order.
class MemoryDirectoryListing : public DirectoryListing {
public:
    void AddFolder(const std::string& path) {
        folders_[path] = {{".", true}, {"..", true}};
        const std::size_t cut = path.find_last_of('\\', path.size() - 2);
        if (cut == std::string::npos) return;
        const std::string parent = path.substr(0, cut + 1);
        if (folders_.count(parent)) {
            folders_[parent].push_back({path.substr(cut + 1, path.size() - cut - 2), true});
        }
    }
    void AddFile(const std::string& folder, const std::string& name) {
        folders_[folder].push_back({name, false});
    }

    std::vector<DirectoryEntry> List(const std::string& wildcardPath) const override {
        listed.push_back(wildcardPath);
        const std::size_t cut = wildcardPath.rfind('\\');
        const auto folder = folders_.find(wildcardPath.substr(0, cut + 1));
        if (folder == folders_.end()) return {};
        std::vector<DirectoryEntry> matches;
        for (const DirectoryEntry& entry : folder->second) {
            if (WildcardMatch(entry.name, wildcardPath.substr(cut + 1))) matches.push_back(entry);
        }
        return matches;
    }

    // Every wildcard path asked for, in order.
    mutable std::vector<std::string> listed;

private:
    std::map<std::string, std::vector<DirectoryEntry>> folders_;
};

}  // namespace brambletune::testing
