#pragma once

#include <string>
#include <vector>

namespace brambletune {

// The "Recent albums" menu items.
class RecentMenu {
public:
    virtual ~RecentMenu() = default;
    // Shows entries as the items after the "(None)" item, the most recent
    // first; "(None)" shows only while there are none.
    virtual void Show(const std::vector<std::string>& entries) = 0;
};

}  // namespace brambletune
