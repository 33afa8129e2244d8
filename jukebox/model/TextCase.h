#pragma once

#include <string>
#include <string_view>

namespace brambletune {

// Locale-dependent case mapping of ANSI text. The Windows build uses
// CharLowerBuffA / CharUpperBuffA (the user's code page); tests use ASCII.
class TextCase {
public:
    virtual ~TextCase() = default;
    virtual std::string Lower(std::string_view text) const = 0;
    virtual std::string Upper(std::string_view text) const = 0;
};

}  // namespace brambletune
