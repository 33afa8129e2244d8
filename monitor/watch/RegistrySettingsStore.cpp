#include "monitor/watch/RegistrySettingsStore.h"

#include <windows.h>

namespace vigilon {
namespace {

// Owns an open registry key.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() {
        if (key_) RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool Open(const std::string& path) {
        return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key_) == ERROR_SUCCESS;
    }
    bool Create(const std::string& path) {
        return RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                               nullptr, &key_, nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::string root) : root_(std::move(root)) {
    // The key exists from the first read on, as the window's creation expects.
    RegKey key;
    key.Create(root_);
}

std::string RegistrySettingsStore::SectionPath(const std::string& section) const {
    return root_ + "\\" + section;
}

std::optional<std::string> RegistrySettingsStore::ReadString(const std::string& section,
                                                             const std::string& entry) const {
    RegKey key;
    if (!key.Open(SectionPath(section))) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), entry.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::string value(size, '\0');
    if (size > 0 &&
        RegQueryValueExA(key.Get(), entry.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(size);
    // Stored text may or may not carry its terminating NUL; the text ends at the first.
    const auto nul = value.find('\0');
    if (nul != std::string::npos) value.resize(nul);
    return value;
}

void RegistrySettingsStore::WriteString(const std::string& section, const std::string& entry,
                                        const std::string& value) {
    RegKey key;
    if (!key.Create(SectionPath(section))) return;
    RegSetValueExA(key.Get(), entry.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

std::optional<std::vector<unsigned char>> RegistrySettingsStore::ReadBinary(
    const std::string& section, const std::string& entry) const {
    RegKey key;
    if (!key.Open(SectionPath(section))) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), entry.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_BINARY) {
        return std::nullopt;
    }
    std::vector<unsigned char> value(size);
    if (size > 0 && RegQueryValueExA(key.Get(), entry.c_str(), nullptr, &type, value.data(),
                                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(size);
    return value;
}

void RegistrySettingsStore::WriteBinary(const std::string& section, const std::string& entry,
                                        const std::vector<unsigned char>& value) {
    RegKey key;
    if (!key.Create(SectionPath(section))) return;
    RegSetValueExA(key.Get(), entry.c_str(), 0, REG_BINARY, value.data(),
                   static_cast<DWORD>(value.size()));
}

std::vector<std::string> RegistrySettingsStore::EntryNames(const std::string& section) const {
    std::vector<std::string> names;
    RegKey key;
    if (!key.Open(SectionPath(section))) return names;
    char name[16384];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        const LONG rc =
            RegEnumValueA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS) continue;
        names.emplace_back(name, length);
    }
    return names;
}

}  // namespace vigilon
