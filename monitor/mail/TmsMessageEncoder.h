#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "monitor/mail/TmsMessage.h"

namespace vigilon {

// Body lines of this length or more, or any byte of 128 and above, make the
// whole body quoted-printable.
inline constexpr std::size_t kLongLineLength = 256;
// Width of a header field name with its colon and padding ("To:       ").
inline constexpr std::size_t kFieldWidth = 10;

// Writes a message as it goes after the SMTP DATA command: header lines, an
// empty line, the body. Every line ends with CR LF, and a line that starts
// with "." gets a second "." in front so it can never end the data.
class TmsMessageEncoder {
public:
    explicit TmsMessageEncoder(const TmsMessage& message) : message_(message) {}

    // Throws EMessageError when a quoted-printable paragraph is too large;
    // nothing is written then.
    void Encode(std::ostream& out) const;

private:
    bool LongLined() const;
    bool EightBit() const;
    std::string Headers(bool quotedPrintable, bool eightBit) const;
    std::string BodyLines(bool quotedPrintable) const;

    const TmsMessage& message_;
};

// The name as a header shows it: a name holding any of the specials of RFC
// 5322 goes in double quotes, with its double quotes and backslashes escaped.
std::string DisplayName(const std::string& name);

}  // namespace vigilon
