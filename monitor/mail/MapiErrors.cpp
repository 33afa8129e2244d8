#include "monitor/mail/MapiErrors.h"

#include <array>
#include <cstdint>

namespace vigilon {
namespace {

// Indexed by result code; 0 is success and 7 has no text of its own.
constexpr std::array<const char*, 27> kErrorTexts = {
    "",
    "User Abort",
    "General Failure",
    "Login Failure",
    "Disk Full",
    "Insufficient Memory",
    "Access Denied",
    "",
    "Too Many Sessions",
    "Too Many Files",
    "Too Many Recipients",
    "Attachment Not Found",
    "Attachment Open Failure",
    "Attachment Write Failure",
    "Unknown Recipient",
    "Bad Recipient Type",
    "No Messages",
    "Invalid Message",
    "Text Too Large",
    "Invalid Session",
    "Type Not Supported",
    "Ambiguous Recipient",
    "Message In Use",
    "Network Failure",
    "Invalid Edit Fields",
    "Invalid Recipients",
    "Feature Not Supported",
};

std::string FormatMapiError(MapiResult code) {
    return "MAPI: " + MapiErrorText(code) +
           ". ErrorCode = " + std::to_string(static_cast<std::int32_t>(code));
}

}  // namespace

EMapiError::EMapiError(MapiResult code) : EMailError(FormatMapiError(code)), code_(code) {}

EMapiUserAbort::EMapiUserAbort() : EMapiError(kMapiUserAbort, "User Abort") {}

std::string MapiErrorText(MapiResult code) {
    if (code >= kErrorTexts.size()) return {};
    return kErrorTexts[code];
}

void RaiseMapiError(MapiResult code) {
    if (code == kMapiUserAbort) throw EMapiUserAbort();
    throw EMapiError(code);
}

}  // namespace vigilon
