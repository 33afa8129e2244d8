#include "jukebox/console/IconCacheKey.h"

namespace brambletune {

std::string IconCacheKey(const TextCase& textCase, const std::string& typeName,
                         const std::string& path) {
    if (typeName.empty()) return "Default";
    std::string key = textCase.Lower(typeName);
    if (key == "application" || key == "shortcut") return path;
    return key;
}

}  // namespace brambletune
