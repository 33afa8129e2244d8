#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vigilon {

// Keeps the SMTP password out of the settings in clear: only what Protect
// makes is stored, and only this user on this machine can Unprotect it.
class PasswordVault {
public:
    virtual ~PasswordVault() = default;
    // Nothing when the password cannot be protected.
    virtual std::optional<std::vector<unsigned char>> Protect(const std::string& password) = 0;
    // Nothing when the bytes cannot be turned back into a password.
    virtual std::optional<std::string> Unprotect(const std::vector<unsigned char>& stored) = 0;
};

inline constexpr const char* kPasswordUnreadableMessage =
    "The stored SMTP password cannot be read: type it again";

// The password to store after the user edited the window: an empty box keeps
// the stored one, clear drops it, anything typed replaces it (kept as it was
// when it cannot be protected).
std::vector<unsigned char> EditedPassword(const std::vector<unsigned char>& stored,
                                          const std::string& typed, bool clear,
                                          PasswordVault& vault);

// The password of the stored bytes ("" when none is stored); throws
// std::runtime_error with kPasswordUnreadableMessage when they cannot be read.
std::string StoredPassword(const std::vector<unsigned char>& stored, PasswordVault& vault);

}  // namespace vigilon
