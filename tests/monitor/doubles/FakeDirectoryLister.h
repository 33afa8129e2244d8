#pragma once

#include <map>
#include <string>
#include <vector>

#include "monitor/watch/DirectoryLister.h"

namespace vigilon::testing {

// Folders in memory, keyed by the exact search pattern ("C:\dir\*.*").
// A folder that is not present fails to list with "path not found", as a
// missing folder does; errors makes a pattern fail with the system's code.
class FakeDirectoryLister : public DirectoryLister {
public:
    std::map<std::string, std::vector<DirEntry>> folders;
    std::map<std::string, ListError> errors;
    mutable std::vector<std::string> patterns;

    // Adds an entry to the folder dir, as listed with pathPlusName(dir, "*.*").
    void Put(const std::string& dir, const std::string& name, std::int32_t time) {
        Folder(dir).push_back(DirEntry{name, time});
    }
    static std::string Pattern(const std::string& dir) {
        return dir.empty() || dir.back() == '\\' ? dir + "*.*" : dir + "\\*.*";
    }
    std::vector<DirEntry>& Folder(const std::string& dir) { return folders[Pattern(dir)]; }
    void Fail(const std::string& dir, ListError error) { errors[Pattern(dir)] = error; }
    void Touch(const std::string& dir, const std::string& name, std::int32_t time) {
        for (auto& e : Folder(dir)) {
            if (e.name == name) e.dosTime = time;
        }
    }
    void Remove(const std::string& dir, const std::string& name) {
        auto& entries = Folder(dir);
        std::erase_if(entries, [&](const DirEntry& e) { return e.name == name; });
    }

    ListError List(const std::string& pattern, std::vector<DirEntry>& entries) const override {
        patterns.push_back(pattern);
        const ListError error = Probe(pattern);
        if (error != kListed) return error;
        const auto& found = folders.at(pattern);
        entries.insert(entries.end(), found.begin(), found.end());
        return kListed;
    }
    ListError Probe(const std::string& pattern) const override {
        if (const auto it = errors.find(pattern); it != errors.end()) return it->second;
        return folders.count(pattern) ? kListed : kErrorPathNotFound;
    }
};

}  // namespace vigilon::testing
