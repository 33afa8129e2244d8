#include "jukebox/model/Win32TextCase.h"

#include <windows.h>

#include <algorithm>

namespace brambletune {
namespace {

// The buffer functions take a DWORD length: map long texts in pieces.
template <typename Fn>
std::string Map(std::string_view text, Fn fn) {
    std::string result(text);
    std::size_t at = 0;
    while (at < result.size()) {
        const std::size_t n = std::min<std::size_t>(result.size() - at, 1u << 30);
        fn(result.data() + at, static_cast<DWORD>(n));
        at += n;
    }
    return result;
}

// Under the UTF-8 code page a character may change its length with its case,
// and the buffer functions map in place: map through UTF-16 instead. A text
// that is not UTF-8 (one byte of a character, say) is left as it is.
// The UTF-16 form of UTF-8 text; empty when the text is not UTF-8 (or too
// long for one call: no text of this program is).
std::wstring WideUtf8(std::string_view text) {
    if (text.size() > (1u << 30)) return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), n);
    return wide;
}

std::string MapUtf8(std::string_view text, bool upper) {
    std::wstring wide = WideUtf8(text);
    if (wide.empty()) return std::string(text);
    const int n = static_cast<int>(wide.size());
    if (upper)
        CharUpperBuffW(wide.data(), static_cast<DWORD>(n));
    else
        CharLowerBuffW(wide.data(), static_cast<DWORD>(n));
    const int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(m > 0 ? m : 0), '\0');
    if (m > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, out.data(), m, nullptr, nullptr);
    return out;
}

}  // namespace

std::string Win32TextCase::Lower(std::string_view text) const {
    if (GetACP() == CP_UTF8) return MapUtf8(text, false);
    return Map(text, [](char* p, DWORD n) { CharLowerBuffA(p, n); });
}

std::string Win32TextCase::Upper(std::string_view text) const {
    if (GetACP() == CP_UTF8) return MapUtf8(text, true);
    return Map(text, [](char* p, DWORD n) { CharUpperBuffA(p, n); });
}

// Under the UTF-8 code page every byte of a multi-byte character is 0x80 or
// above, so a byte search never cuts one; no byte leads a two-byte pair.
bool Win32TextCase::IsLeadByte(char c) const {
    if (GetACP() == CP_UTF8) return false;
    return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE;
}

}  // namespace brambletune
