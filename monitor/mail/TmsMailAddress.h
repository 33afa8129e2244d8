#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vigilon {

// Keeps at most 255 characters of a header or envelope text and turns every CR
// and LF into a space, so that no value can start a header or command line of
// its own.
std::string HeaderText(std::string_view text);

// One mail address with its display name.
class TmsMailAddress {
public:
    static constexpr std::size_t kMaxLength = 255;

    TmsMailAddress() = default;
    TmsMailAddress(std::string_view address, std::string_view name);

    const std::string& Address() const { return address_; }
    const std::string& Name() const { return name_; }
    void SetAddress(std::string_view address) { address_ = HeaderText(address); }
    void SetName(std::string_view name) { name_ = HeaderText(name); }

private:
    std::string address_;
    std::string name_;
};

}  // namespace vigilon
