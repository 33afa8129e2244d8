#include "monitor/watch/FolderAvailability.h"

#include "monitor/watch/SnapshotEntry.h"

namespace vigilon {
namespace {

bool IsNotFound(ListError error) {
    return error == kErrorFileNotFound || error == kErrorPathNotFound ||
           error == kErrorInvalidName || error == kErrorDirectory;
}

bool IsDriveRoot(const std::string& folder) {
    if (folder.size() < 2 || folder.size() > 3 || folder[1] != ':') return false;
    return folder.size() == 2 || folder[2] == '\\';
}

// "\\server\share" with at most a trailing backslash.
bool IsShareRoot(const std::string& folder) {
    if (folder.rfind("\\\\", 0) != 0) return false;
    const auto share = folder.find('\\', 2);
    if (share == std::string::npos) return true;
    const auto rest = folder.find('\\', share + 1);
    return rest == std::string::npos || rest == folder.size() - 1;
}

}  // namespace

std::string ParentFolder(const std::string& folder) {
    if (IsDriveRoot(folder) || IsShareRoot(folder)) return "";
    std::string path = folder;
    if (!path.empty() && path.back() == '\\') path.pop_back();
    const auto cut = path.rfind('\\');
    if (cut == std::string::npos || cut == 0) return "";
    path.resize(cut);
    if (IsDriveRoot(path)) path += '\\';
    return path;
}

bool IsUnavailable(const DirectoryLister& lister, const std::string& folder, ListError error) {
    if (!IsNotFound(error)) return true;
    // A name that is no path at all (a slot of blanks) names nothing to wait for.
    if (folder.find('\\') == std::string::npos && !IsDriveRoot(folder)) return false;
    for (std::string up = ParentFolder(folder); !up.empty(); up = ParentFolder(up)) {
        const ListError above = lister.Probe(pathPlusName(up, "*.*"));
        // An empty drive root matches nothing, yet it is there to be listed.
        if (above == kListed || above == kErrorFileNotFound) return false;
        if (!IsNotFound(above)) return true;
    }
    // Nothing above it is left: an empty root is readable, a missing one is gone for now.
    return error != kErrorFileNotFound;
}

}  // namespace vigilon
