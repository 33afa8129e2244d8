#pragma once

#include <string>
#include <vector>

namespace vigilon {

// What a server offers in its reply to EHLO.
struct SmtpExtensions {
    bool startTls = false;
    std::vector<std::string> authMechanisms;  // upper case, as offered

    bool OffersAuth(const std::string& mechanism) const;
};

// Reads the lines of an EHLO reply: the first greets, each later one names an
// extension and its parameters ("250-AUTH PLAIN LOGIN"; the old "AUTH=LOGIN"
// form too).
SmtpExtensions ParseEhloReply(const std::vector<std::string>& lines);

// Base64 of bytes, as AUTH wants it (no line breaks).
std::string Base64(const std::string& bytes);

}  // namespace vigilon
