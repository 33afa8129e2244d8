#include "jukebox/console/LongPath.h"

#include "jukebox/model/TextCase.h"
#include "jukebox/playback/PathNames.h"

namespace brambletune {

std::string ParentPath(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string GetLongPath(const PathNames& paths, const TextCase& textCase, const std::string& path) {
    if (path.empty()) return "";
    std::string p = path;
    std::string sep;
    if (p.back() == '\\') {
        sep = "\\";
        p.pop_back();
    }
    if (GetShortPath(paths, p) != textCase.Upper(p)) return p + sep;
    const std::string name = paths.LongName(p);
    if (name.empty()) return p + sep;
    return GetLongPath(paths, textCase, ParentPath(p)) + name + sep;
}

}  // namespace brambletune
