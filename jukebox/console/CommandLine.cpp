#include "jukebox/console/CommandLine.h"

namespace brambletune {

std::string CommandLinePath(std::string_view arguments) {
    const std::size_t first = arguments.find_first_not_of(" \t");
    if (first == std::string_view::npos) return "";
    const std::size_t last = arguments.find_last_not_of(" \t");
    std::string_view path = arguments.substr(first, last - first + 1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return std::string(path);
}

}  // namespace brambletune
