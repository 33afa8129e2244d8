#pragma once

#include <string>

namespace brambletune {

// Alternative spellings of a path that the system keeps.
class PathNames {
public:
    virtual ~PathNames() = default;
    // The short (8.3) form of an existing path; "" when the system has none.
    virtual std::string ShortPath(const std::string& path) const = 0;
};

}  // namespace brambletune
