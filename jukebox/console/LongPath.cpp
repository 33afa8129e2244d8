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
    const bool trailingSlash = path.back() == '\\';
    std::string p = trailingSlash ? path.substr(0, path.size() - 1) : path;
    const char* sep = trailingSlash ? "\\" : "";
    if (GetShortPath(paths, p) != textCase.Upper(p)) return p.append(sep);
    const std::string name = paths.LongName(p);
    if (name.empty()) return p.append(sep);
    return GetLongPath(paths, textCase, ParentPath(p)).append(name).append(sep);
}

}  // namespace brambletune
