#pragma once

#include <string>
#include <string_view>

namespace brambletune {

// Locale-dependent rules of ANSI text. The Windows build uses CharLowerBuffA /
// CharUpperBuffA and IsDBCSLeadByte (the user's code page); tests use ASCII or a
// double-byte double.
class TextCase {
public:
    virtual ~TextCase() = default;
    virtual std::string Lower(std::string_view text) const = 0;
    virtual std::string Upper(std::string_view text) const = 0;
    // True when c starts a two-byte character of the code page.
    virtual bool IsLeadByte(char c) const = 0;
};

}  // namespace brambletune
