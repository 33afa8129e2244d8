#pragma once

#include <string>

#include "jukebox/model/TextCase.h"

namespace brambletune {

// The name under which a file's small icon is cached: its type name in lower
// case, "Default" for a file the shell gives no type name, and the path itself
// for programs and shortcuts, since each of those has an icon of its own.
std::string IconCacheKey(const TextCase& textCase, const std::string& typeName,
                         const std::string& path);

}  // namespace brambletune
