#pragma once

#include <cstdint>

#include "jukebox/model/CodePages.h"
#include "jukebox/model/UnicodeText.h"

namespace brambletune::testing {

// Latin-1 as the legacy code page; the program's code page is UTF-8 (a system
// honouring the manifest) or Latin-1 (a system that ignores it).
class Latin1CodePages : public CodePages {
public:
    explicit Latin1CodePages(bool utf8 = true) : programUtf8(utf8) {}

    bool ToProgram(std::string_view text, StoredCodePage from, std::string& out) const override {
        bool lost = false;
        out = Convert(text, IsUtf8(from), programUtf8, lost);
        return !lost;
    }
    std::string FromProgram(std::string_view text, StoredCodePage to) const override {
        bool lost = false;
        return Convert(text, programUtf8, IsUtf8(to), lost);
    }

private:
    static bool IsUtf8(StoredCodePage page) { return page == StoredCodePage::kUtf8; }

    static std::string Convert(std::string_view text, bool fromUtf8, bool toUtf8, bool& lost) {
        if (fromUtf8 == toUtf8) return std::string(text);
        if (toUtf8) {
            std::u16string latin1;
            for (const char c : text) latin1 += static_cast<char16_t>(std::uint8_t(c));
            return Utf16ToUtf8(latin1);
        }
        const std::u16string wide = Utf8ToUtf16(text);
        std::string out;
        for (std::size_t i = 0; i < wide.size(); ++i) {
            if (wide[i] <= 0xFF) {
                out += static_cast<char>(wide[i]);
                continue;
            }
            // One character beyond U+FFFF is two UTF-16 units but one "?".
            if (wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size()) ++i;
            out += '?';
            lost = true;
        }
        return out;
    }

public:
    bool programUtf8;
};

}  // namespace brambletune::testing
