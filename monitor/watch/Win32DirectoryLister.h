#pragma once

#include "monitor/watch/DirectoryLister.h"

namespace vigilon {

// FindFirstFileA/FindNextFileA; every entry is returned, whatever its attributes,
// and a failure gives GetLastError's code.
class Win32DirectoryLister : public DirectoryLister {
public:
    ListError List(const std::string& pattern, std::vector<DirEntry>& entries) const override;
    ListError Probe(const std::string& pattern) const override;
};

}  // namespace vigilon
