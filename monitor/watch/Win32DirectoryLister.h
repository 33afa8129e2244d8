#pragma once

#include "monitor/watch/DirectoryLister.h"

namespace vigilon {

// FindFirstFileA/FindNextFileA; every entry is returned, whatever its attributes.
class Win32DirectoryLister : public DirectoryLister {
public:
    bool List(const std::string& pattern, std::vector<DirEntry>& entries) const override;
};

}  // namespace vigilon
