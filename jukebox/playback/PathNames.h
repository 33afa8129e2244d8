#pragma once

#include <string>

namespace brambletune {

// Alternative spellings of a path that the system keeps.
class PathNames {
public:
    virtual ~PathNames() = default;
    // The short (8.3) form of an existing path; "" when the system has none.
    virtual std::string ShortPath(const std::string& path) const = 0;
    // The long name of the path's last component as the directory stores it
    // (no folders before it); "" when nothing by that name exists.
    virtual std::string LongName(const std::string& path) const = 0;
};

// The short form of path, or path itself when the system gives none (a missing
// file, a volume without short names).
inline std::string GetShortPath(const PathNames& paths, const std::string& path) {
    std::string shortPath = paths.ShortPath(path);
    return shortPath.empty() ? path : shortPath;
}

}  // namespace brambletune
