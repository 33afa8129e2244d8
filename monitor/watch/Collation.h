#pragma once

#include <string>
#include <string_view>

namespace vigilon {

// Case-insensitive ordering of paths under the user's locale. Ordering and lookup
// both go through sort keys, so they can never disagree: two texts compare as
// their keys compare bytewise. A text's key must sort before the key of any longer
// text it is a prefix of.
class Collation {
public:
    virtual ~Collation() = default;
    virtual std::string SortKey(std::string_view text) const = 0;
};

}  // namespace vigilon
