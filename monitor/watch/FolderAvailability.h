#pragma once

#include <string>

#include "monitor/watch/DirectoryLister.h"

namespace vigilon {

// The folder that holds folder, or "" for a drive root ("D:\"), a share
// ("\\server\share") or a name that is no full path.
std::string ParentFolder(const std::string& folder);

// True when a folder whose listing failed with error is out of reach for a
// while (network path, share or drive gone, access refused) rather than
// deleted. Deleted means "not found" while the nearest folder above it that
// exists can be listed; a not-found drive root or share is out of reach.
bool IsUnavailable(const DirectoryLister& lister, const std::string& folder, ListError error);

}  // namespace vigilon
