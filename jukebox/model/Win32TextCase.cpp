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

}  // namespace

std::string Win32TextCase::Lower(std::string_view text) const {
    return Map(text, [](char* p, DWORD n) { CharLowerBuffA(p, n); });
}

std::string Win32TextCase::Upper(std::string_view text) const {
    return Map(text, [](char* p, DWORD n) { CharUpperBuffA(p, n); });
}

bool Win32TextCase::IsLeadByte(char c) const {
    return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE;
}

std::string Win32TextCase::FromUtf16(std::u16string_view text) const {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    // Texts beyond an int's length are no field of a song.
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), 1u << 30));
    // CP_ACP is UTF-8 when the manifest makes it so.
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string result(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, result.data(), needed, nullptr, nullptr);
    return result;
}

}  // namespace brambletune
