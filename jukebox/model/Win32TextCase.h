#pragma once

#include "jukebox/model/TextCase.h"

namespace brambletune {

// The rules of the user's ANSI code page: CharLowerBuffA / CharUpperBuffA and
// IsDBCSLeadByte (none under the UTF-8 code page).
class Win32TextCase : public TextCase {
public:
    std::string Lower(std::string_view text) const override;
    std::string Upper(std::string_view text) const override;
    bool IsLeadByte(char c) const override;
};

}  // namespace brambletune
