#include "monitor/watch/Win32Collation.h"

#include <windows.h>

namespace vigilon {

std::string Win32Collation::SortKey(std::string_view text) const {
    if (text.empty()) return {};
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE | SORT_STRINGSORT;
    const int length = static_cast<int>(text.size());
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
    if (size <= 0) return std::string(text);
    std::string key(static_cast<size_t>(size), '\0');
    LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, key.data(), size);
    // The key ends with a NUL that is not part of it.
    if (!key.empty() && key.back() == '\0') key.pop_back();
    return key;
}

}  // namespace vigilon
