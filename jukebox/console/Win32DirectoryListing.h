#pragma once

#include "jukebox/console/DirectoryListing.h"

namespace brambletune {

// Folder listings through FindFirstFileA / FindNextFileA.
class Win32DirectoryListing : public DirectoryListing {
public:
    std::vector<DirectoryEntry> List(const std::string& wildcardPath) const override;
};

}  // namespace brambletune
