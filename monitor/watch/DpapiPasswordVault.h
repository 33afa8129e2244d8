#pragma once

#include "monitor/watch/PasswordVault.h"

namespace vigilon {

// The password's ANSI bytes through CryptProtectData for the current user:
// no terminating NUL, no extra entropy, never a prompt.
class DpapiPasswordVault : public PasswordVault {
public:
    std::optional<std::vector<unsigned char>> Protect(const std::string& password) override;
    std::optional<std::string> Unprotect(const std::vector<unsigned char>& stored) override;
};

}  // namespace vigilon
