#pragma once

#include <cctype>

#include "monitor/watch/Collation.h"

namespace vigilon::testing {

// ASCII case folding: enough collation for the native tests and benchmarks.
class FakeCollation : public Collation {
public:
    std::string SortKey(std::string_view text) const override {
        std::string key(text);
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return key;
    }
};

}  // namespace vigilon::testing
