#pragma once

#include <string>
#include <string_view>

namespace brambletune {

// The code page a stored text was written in: UTF-8, or the system's legacy
// ANSI code page (what this program wrote before its text moved to UTF-8, and
// what many other programs still write).
enum class StoredCodePage { kUtf8, kLegacy };

// Conversions between stored text and the program's own text, which is in the
// ANSI code page every "A" call uses: UTF-8 where the system honours the
// manifest's code page, the legacy code page elsewhere. Windows converts
// through UTF-16; tests use Latin-1 as the legacy page.
class CodePages {
public:
    virtual ~CodePages() = default;
    // Converts text stored in from into the program's code page. False when a
    // character has no place in the program's code page (it becomes "?").
    virtual bool ToProgram(std::string_view text, StoredCodePage from, std::string& out) const = 0;
    // Converts program text into to; characters to cannot hold become "?".
    virtual std::string FromProgram(std::string_view text, StoredCodePage to) const = 0;
};

}  // namespace brambletune
