#pragma once

#include <string>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/MapiApi.h"

namespace vigilon {

// A Simple MAPI call failed; what() is "MAPI: <text>. ErrorCode = <code>".
class EMapiError : public EMailError {
public:
    explicit EMapiError(MapiResult code);
    MapiResult Code() const { return code_; }

protected:
    EMapiError(MapiResult code, const std::string& text) : EMailError(text), code_(code) {}

private:
    MapiResult code_;
};

// The user cancelled in the mail client, or the MAPI library or one of its
// functions is missing; what() is "User Abort".
class EMapiUserAbort : public EMapiError {
public:
    EMapiUserAbort();
};

// The text of a MAPI result code, empty for a code without one.
std::string MapiErrorText(MapiResult code);

// Throws the exception that stands for a failed result (anything but kMapiSuccess).
[[noreturn]] void RaiseMapiError(MapiResult code);

}  // namespace vigilon
