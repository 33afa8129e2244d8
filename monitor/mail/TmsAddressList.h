#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "monitor/mail/TmsMailAddress.h"

namespace vigilon {

// An ordered list of addresses (To, CC or BCC).
class TmsAddressList {
public:
    void Add(std::string_view address, std::string_view name) {
        entries_.emplace_back(address, name);
    }
    void Clear() { entries_.clear(); }

    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const TmsMailAddress& operator[](std::size_t i) const { return entries_[i]; }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

    // True when at least one entry has a non-empty address.
    bool HasAddress() const;

private:
    std::vector<TmsMailAddress> entries_;
};

}  // namespace vigilon
