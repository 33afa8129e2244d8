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

}  // namespace brambletune
