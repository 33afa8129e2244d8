#include "jukebox/console/LongPath.h"

#include "jukebox/model/AnsiText.h"
#include "jukebox/model/TextCase.h"
#include "jukebox/playback/PathNames.h"

namespace brambletune {

std::string ParentPath(const std::string& path, const TextCase& textCase) {
    const auto slash = LastBackslash(path, textCase);
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string GetLongPath(const PathNames& paths, const TextCase& textCase, const std::string& path) {
    if (path.empty()) return "";
    // A last byte of 0x5C may be the trail byte of a character, not a backslash.
    const bool trailing = EndsWithBackslash(path, textCase);
    std::string p = trailing ? path.substr(0, path.size() - 1) : path;
    const char* sep = trailing ? "\\" : "";
    if (GetShortPath(paths, p) != textCase.Upper(p)) return p.append(sep);
    const std::string name = paths.LongName(p);
    if (name.empty()) return p.append(sep);
    // Appended in place: GCC 12 with the sanitizers reports a false overlap in a + b + c.
    return GetLongPath(paths, textCase, ParentPath(p, textCase)).append(name).append(sep);
}

}  // namespace brambletune
