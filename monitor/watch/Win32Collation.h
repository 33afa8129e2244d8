#pragma once

#include "monitor/watch/Collation.h"

namespace vigilon {

// Sort keys of the user locale, ignoring case. String sort keeps hyphens and
// apostrophes significant, so "a-b" and "ab" never collate equal.
class Win32Collation : public Collation {
public:
    std::string SortKey(std::string_view text) const override;
};

}  // namespace vigilon
