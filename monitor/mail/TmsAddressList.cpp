#include "monitor/mail/TmsAddressList.h"

#include <algorithm>

namespace vigilon {

bool TmsAddressList::HasAddress() const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [](const TmsMailAddress& entry) { return !entry.Address().empty(); });
}

}  // namespace vigilon
