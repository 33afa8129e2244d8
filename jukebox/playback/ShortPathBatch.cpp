#include "jukebox/playback/ShortPathBatch.h"

#include "jukebox/model/AbsolutePath.h"
#include "jukebox/model/AnsiText.h"
#include "jukebox/playback/PathNames.h"

namespace brambletune {

namespace {

// Only a plain "X:\folder\...\name" path is judged by its folder. Anything the
// system might read otherwise ("." or ".." parts, trailing dots or spaces that
// it strips, forward slashes, wildcards, share names, doubled separators) is
// probed on its own. A byte test is enough here: where a trail byte looks like
// one of these, the path is merely probed on its own too.
bool PlainDrivePath(const std::string& path) {
    return IsFullyQualified(path) && path[0] != '\\' && path[0] != '/' &&
           path.find_first_of("/*?") == std::string::npos &&
           path.find("\\\\") == std::string::npos && path.find(".\\") == std::string::npos &&
           path.find(" \\") == std::string::npos && path.back() != '\\';
}

}  // namespace

ShortPathBatch::ShortPathBatch(const PathNames& paths, const TextCase& textCase)
    : paths_(paths), textCase_(textCase) {}

std::string ShortPathBatch::ShortPath(const std::string& path) {
    if (InMissingFolder(path)) return path;
    return GetShortPath(paths_, path);
}

bool ShortPathBatch::InMissingFolder(const std::string& path) {
    if (!PlainDrivePath(path)) return false;
    const std::string folder = FolderOf(path);
    return !folder.empty() && FolderMissing(folder);
}

// A folder inside a missing folder is missing too, without asking.
bool ShortPathBatch::FolderMissing(const std::string& folder) {
    const auto known = missing_.find(folder);
    if (known != missing_.end()) return known->second;
    const std::string parent = FolderOf(folder);
    const bool missing =
        (!parent.empty() && FolderMissing(parent)) || paths_.ShortPath(folder).empty();
    missing_.emplace(folder, missing);
    return missing;
}

// The folder part of a plain path, "" when that would be the bare drive ("C:"
// alone names the drive's current folder, not its root).
std::string ShortPathBatch::FolderOf(const std::string& path) const {
    const std::size_t slash = LastBackslash(path, textCase_);
    if (slash == std::string::npos || slash <= 2) return "";
    return path.substr(0, slash);
}

}  // namespace brambletune
