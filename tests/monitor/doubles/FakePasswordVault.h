#pragma once

#include <string>
#include <vector>

#include "monitor/watch/PasswordVault.h"

namespace vigilon::testing {

// "Protects" by reversing the bytes behind a "V" mark, so a stored password
// never equals its text; bytes without the mark cannot be unprotected.
class FakePasswordVault : public PasswordVault {
public:
    bool protectFails = false;

    std::optional<std::vector<unsigned char>> Protect(const std::string& password) override {
        if (protectFails) return std::nullopt;
        std::vector<unsigned char> stored{'V'};
        stored.insert(stored.end(), password.rbegin(), password.rend());
        return stored;
    }
    std::optional<std::string> Unprotect(const std::vector<unsigned char>& stored) override {
        if (stored.empty() || stored[0] != 'V') return std::nullopt;
        return std::string(stored.rbegin(), stored.rend() - 1);
    }
};

}  // namespace vigilon::testing
