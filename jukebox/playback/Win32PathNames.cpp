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

std::string Win32PathNames::LongName(const std::string& path) const {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return "";
    FindClose(search);
    return found.cFileName;
}

}  // namespace brambletune
