#pragma once

#include <map>
#include <string>
#include <vector>

#include "monitor/watch/DirectoryLister.h"

namespace vigilon::testing {

// Folders in memory, keyed by the exact search pattern ("C:\dir\*.*").
// A folder that is not present fails to list, as a missing folder does.
class FakeDirectoryLister : public DirectoryLister {
public:
    std::map<std::string, std::vector<DirEntry>> folders;
    mutable std::vector<std::string> patterns;

    // Adds an entry to the folder dir, as listed with pathPlusName(dir, "*.*").
    void Put(const std::string& dir, const std::string& name, std::int32_t time) {
        Folder(dir).push_back(DirEntry{name, time});
    }
    std::vector<DirEntry>& Folder(const std::string& dir) {
        const std::string pattern = dir.empty() || dir.back() == '\\' ? dir + "*.*" : dir + "\\*.*";
        return folders[pattern];
    }
    void Touch(const std::string& dir, const std::string& name, std::int32_t time) {
        for (auto& e : Folder(dir)) {
            if (e.name == name) e.dosTime = time;
        }
    }
    void Remove(const std::string& dir, const std::string& name) {
        auto& entries = Folder(dir);
        std::erase_if(entries, [&](const DirEntry& e) { return e.name == name; });
    }

    bool List(const std::string& pattern, std::vector<DirEntry>& entries) const override {
        patterns.push_back(pattern);
        const auto it = folders.find(pattern);
        if (it == folders.end()) return false;
        entries.insert(entries.end(), it->second.begin(), it->second.end());
        return true;
    }
};

}  // namespace vigilon::testing
