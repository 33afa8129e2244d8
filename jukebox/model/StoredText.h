#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "jukebox/model/CodePages.h"

namespace brambletune {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Checks UTF-8 piece by piece, so that a file can be checked without holding
// it whole: no overlong forms, no surrogates, nothing past U+10FFFF.
class Utf8Check {
public:
    void Feed(std::string_view bytes);
    // True when everything fed so far is UTF-8 and no character is left open.
    bool Valid() const { return !broken_ && pending_ == 0; }
    // True once a byte broke the rule: nothing fed later can mend it.
    bool Broken() const { return broken_; }

private:
    bool broken_ = false;
    int pending_ = 0;             // continuation bytes still expected
    std::uint8_t lowest_ = 0x80;  // bounds of the next continuation byte
    std::uint8_t highest_ = 0xBF;
};

bool IsValidUtf8(std::string_view text);
bool IsAscii(std::string_view text);

// The reading rule of stored text: valid UTF-8 is UTF-8, anything else was
// written in the legacy code page. A legacy text that happens to be valid
// UTF-8 is read as UTF-8; real legacy text with accents almost never is.
StoredCodePage StoredCodePageOf(std::string_view bytes);

// Text stored in from, as program text. ASCII is the same in every code page
// and returned as it is. lost (when given) is set when a character had no
// place in the program's code page.
std::string ProgramText(std::string_view text, StoredCodePage from, const CodePages& pages,
                        bool* lost = nullptr);
// A stored text read by the reading rule.
std::string ReadStoredText(std::string_view bytes, const CodePages& pages);
// A whole text file by the reading rule, except that a UTF-8 byte-order mark
// says UTF-8 at once (and is dropped).
std::string ReadStoredFile(std::string_view bytes, const CodePages& pages);
// Program text as it is stored in to.
std::string StoredText(std::string_view text, StoredCodePage to, const CodePages& pages);

}  // namespace brambletune
