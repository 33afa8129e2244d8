#pragma once

#include <cstdint>

#include "jukebox/model/CodePages.h"

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
        std::string out;
        for (std::size_t i = 0; i < text.size();) {
            const std::uint32_t code = fromUtf8 ? Decode(text, i) : std::uint8_t(text[i++]);
            if (toUtf8) {
                Encode(code, out);
            } else if (code > 0xFF) {
                out += '?';
                lost = true;
            } else {
                out += static_cast<char>(code);
            }
        }
        return out;
    }

    // One character of valid UTF-8; a stray byte counts as U+FFFD.
    static std::uint32_t Decode(std::string_view text, std::size_t& i) {
        const auto b = static_cast<std::uint8_t>(text[i++]);
        if (b < 0x80) return b;
        const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (extra == 0) return 0xFFFD;
        std::uint32_t code = b & (0x3Fu >> extra);
        for (int k = 0; k < extra && i < text.size(); ++k)
            code = (code << 6) | (static_cast<std::uint8_t>(text[i++]) & 0x3Fu);
        return code;
    }

    static void Encode(std::uint32_t code, std::string& out) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

public:
    bool programUtf8;
};

}  // namespace brambletune::testing
