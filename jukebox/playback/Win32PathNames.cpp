#include <windows.h>

#include "jukebox/playback/Win32PathNames.h"

namespace brambletune {

std::string Win32PathNames::ShortPath(const std::string& path) const {
    const DWORD size = GetShortPathNameA(path.c_str(), nullptr, 0);
    if (size == 0) return "";
    std::string buffer(size, '\0');
    const DWORD length = GetShortPathNameA(path.c_str(), buffer.data(), size);
    if (length == 0 || length >= size) return "";
    buffer.resize(length);
    return buffer;
}

}  // namespace brambletune
