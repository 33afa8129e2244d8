#include "monitor/mail/TmsMailAddress.h"

namespace vigilon {

std::string HeaderText(std::string_view text) {
    std::string result(text.substr(0, TmsMailAddress::kMaxLength));
    for (char& c : result) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return result;
}

TmsMailAddress::TmsMailAddress(std::string_view address, std::string_view name)
    : address_(HeaderText(address)), name_(HeaderText(name)) {}

}  // namespace vigilon
