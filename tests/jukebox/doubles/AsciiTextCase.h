#pragma once

#include "jukebox/model/TextCase.h"

namespace brambletune::testing {

// Maps A-Z and a-z only; every other byte is left as it is.
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
};

}  // namespace brambletune::testing
