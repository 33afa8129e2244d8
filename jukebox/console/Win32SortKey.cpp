#include "jukebox/console/Win32SortKey.h"

#include <windows.h>

namespace brambletune {
namespace {

std::string SortKeyOf(const std::string& text) {
    if (text.empty()) return {};
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(text.size());
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
    if (size <= 0) return text;
    std::string key(static_cast<std::size_t>(size), '\0');
    LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, key.data(), size);
    // The key ends in a NUL, which would only lengthen every comparison.
    if (!key.empty() && key.back() == '\0') key.pop_back();
    return key;
}

}  // namespace

PlaylistRows::SortKey Win32SortKey() {
    return SortKeyOf;
}

}  // namespace brambletune
