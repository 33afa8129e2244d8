#pragma once

#include "jukebox/model/TextCase.h"

namespace brambletune {

// Case mapping of the user's ANSI code page: CharLowerBuffA / CharUpperBuffA.
class Win32TextCase : public TextCase {
public:
    std::string Lower(std::string_view text) const override;
    std::string Upper(std::string_view text) const override;
};

}  // namespace brambletune
