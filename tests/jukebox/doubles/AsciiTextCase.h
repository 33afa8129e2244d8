#pragma once

#include "jukebox/model/TextCase.h"

namespace brambletune::testing {

// Maps A-Z and a-z only; every other byte is left as it is. Every byte is a
// character of its own.
class AsciiTextCase : public TextCase {
public:
    std::string Lower(std::string_view text) const override {
        std::string r(text);
        for (char& c : r)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return r;
    }
    std::string Upper(std::string_view text) const override {
        std::string r(text);
        for (char& c : r)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return r;
    }
    bool IsLeadByte(char) const override { return false; }
};

// A double-byte code page laid out like Japanese (932): 0x81-0x9F and 0xE0-0xFC
// start a two-byte character whose trail byte may be any byte, '\\' and '.'
// among them. Case mapping is AsciiTextCase's.
class DbcsTextCase : public AsciiTextCase {
public:
    bool IsLeadByte(char c) const override {
        const auto b = static_cast<unsigned char>(c);
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
};

}  // namespace brambletune::testing
