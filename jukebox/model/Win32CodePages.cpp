#include "jukebox/model/Win32CodePages.h"

#include <windows.h>

#include <climits>

namespace brambletune {
namespace {

// Western European: the legacy page of a locale that has none of its own.
constexpr unsigned kFallbackCodePage = 1252;

unsigned DefaultAnsiCodePage(LPCWSTR locale) {
    DWORD page = 0;
    const int got = GetLocaleInfoEx(locale, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                    reinterpret_cast<LPWSTR>(&page), sizeof page / sizeof(WCHAR));
    return got > 0 ? static_cast<unsigned>(page) : 0;
}

unsigned LegacyAnsiCodePage() {
    unsigned page = DefaultAnsiCodePage(LOCALE_NAME_SYSTEM_DEFAULT);
    if (page == 0 || page == CP_UTF8) page = DefaultAnsiCodePage(LOCALE_NAME_USER_DEFAULT);
    if (page == 0 || page == CP_UTF8) page = kFallbackCodePage;
    return page;
}

// Texts beyond INT_MAX bytes are not converted: no stored text is that long.
int Length(std::size_t size) {
    return size > static_cast<std::size_t>(INT_MAX) ? 0 : static_cast<int>(size);
}

std::wstring Wide(std::string_view text, unsigned page) {
    const int n = MultiByteToWideChar(page, 0, text.data(), Length(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(page, 0, text.data(), Length(text.size()), wide.data(), n);
    return wide;
}

// UTF-8 holds every character; another page gets "?" for what it cannot hold
// rather than a look-alike letter.
std::string Narrow(const std::wstring& wide, unsigned page, bool& lost) {
    BOOL usedDefault = FALSE;
    const bool utf8 = page == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    LPCCH defaultChar = utf8 ? nullptr : "?";
    LPBOOL used = utf8 ? nullptr : &usedDefault;
    const int size = Length(wide.size());
    const int n =
        WideCharToMultiByte(page, flags, wide.data(), size, nullptr, 0, defaultChar, used);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(page, flags, wide.data(), size, out.data(), n, defaultChar, used);
    lost = usedDefault != FALSE;
    return out;
}

}  // namespace

Win32CodePages::Win32CodePages() : program_(GetACP()), legacy_(LegacyAnsiCodePage()) {}

unsigned Win32CodePages::CodePageOf(StoredCodePage page) const {
    return page == StoredCodePage::kUtf8 ? CP_UTF8 : legacy_;
}

bool Win32CodePages::ToProgram(std::string_view text, StoredCodePage from, std::string& out) const {
    const unsigned source = CodePageOf(from);
    if (source == program_) {
        out.assign(text);
        return true;
    }
    bool lost = false;
    out = Narrow(Wide(text, source), program_, lost);
    return !lost;
}

std::string Win32CodePages::FromProgram(std::string_view text, StoredCodePage to) const {
    const unsigned target = CodePageOf(to);
    if (target == program_) return std::string(text);
    bool lost = false;
    return Narrow(Wide(text, program_), target, lost);
}

}  // namespace brambletune
