#include "monitor/watch/PasswordVault.h"

#include <stdexcept>

namespace vigilon {

std::vector<unsigned char> EditedPassword(const std::vector<unsigned char>& stored,
                                          const std::string& typed, bool clear,
                                          PasswordVault& vault) {
    if (clear) return {};
    if (typed.empty()) return stored;
    return vault.Protect(typed).value_or(stored);
}

std::string StoredPassword(const std::vector<unsigned char>& stored, PasswordVault& vault) {
    if (stored.empty()) return {};
    const auto password = vault.Unprotect(stored);
    if (!password) throw std::runtime_error(kPasswordUnreadableMessage);
    return *password;
}

}  // namespace vigilon
