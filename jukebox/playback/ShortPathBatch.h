#pragma once

#include <string>
#include <unordered_map>

namespace brambletune {

class PathNames;
class TextCase;

// The short forms of many paths, as GetShortPath gives them, asking the system
// about each folder once: a file in a folder that does not exist has no short
// form, so an album whose songs sit in missing folders costs one probe per
// folder instead of one per song. Folders come and go, so a batch is meant for
// one pass over a list and is dropped afterwards.
class ShortPathBatch {
public:
    ShortPathBatch(const PathNames& paths, const TextCase& textCase);

    std::string ShortPath(const std::string& path);

private:
    bool InMissingFolder(const std::string& path);
    bool FolderMissing(const std::string& folder);
    std::string FolderOf(const std::string& path) const;

    const PathNames& paths_;
    const TextCase& textCase_;
    std::unordered_map<std::string, bool> missing_;
};

}  // namespace brambletune
