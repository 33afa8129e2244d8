#pragma once

#include <stdexcept>
#include <string>

namespace vigilon {

// Every failure of composing or sending a mail is one of these; what() is the
// text the program shows to the user unchanged.
class EMailError : public std::runtime_error {
public:
    explicit EMailError(const std::string& text) : std::runtime_error(text) {}
};

// The message itself cannot be sent (missing sender or recipients, paragraph too large).
class EMessageError : public EMailError {
    using EMailError::EMailError;
};

// The server answered with a code of the wrong class; the text is its reply line.
class EServerError : public EMailError {
    using EMailError::EMailError;
};

// A socket call failed or a precondition of the connection was not met.
class ESocketError : public EMailError {
    using EMailError::EMailError;
};

class ETimedOutError : public EMailError {
public:
    ETimedOutError() : EMailError("Operation timed out") {}
};

class ECanceledError : public EMailError {
public:
    ECanceledError() : EMailError("Operation has been canceled") {}
};

// The socket library could not be loaded or lacks a function.
class EWinsockDLLError : public EMailError {
    using EMailError::EMailError;
};

}  // namespace vigilon
