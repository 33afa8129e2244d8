#pragma once

#include <cstdint>
#include <string>

namespace brambletune {

// A registry-like store with the calling conventions of the ANSI registry
// functions, so that MRegistry's rules (query size first, ERROR_MORE_DATA,
// exact sizes) are kept the same against the real registry and the test double.
// Status codes are Win32 error codes (0 = success).
class RegistryStore {
public:
    using Key = std::uintptr_t;  // an open key; 0 = none

    static constexpr std::uint32_t kClassesRoot = 0x80000000u;
    static constexpr std::uint32_t kCurrentUser = 0x80000001u;
    static constexpr std::uint32_t kLocalMachine = 0x80000002u;
    // Reads open a key for reading only (KEY_READ): a standard user may read
    // HKEY_LOCAL_MACHINE but not open it for changes. Writes open or create the
    // key with query, set, create sub-key, enumerate, notify and create link.
    static constexpr std::uint32_t kReadAccess = 0x20019;
    static constexpr std::uint32_t kWriteAccess = 0x3F;

    static constexpr std::uint32_t kSz = 1;      // REG_SZ
    static constexpr std::uint32_t kBinary = 3;  // REG_BINARY
    static constexpr std::uint32_t kDword = 4;   // REG_DWORD

    static constexpr long kSuccess = 0;
    static constexpr long kFileNotFound = 2;
    static constexpr long kAccessDenied = 5;
    static constexpr long kMoreData = 234;

    virtual ~RegistryStore() = default;
    // RegOpenKeyExA: opens an existing key.
    virtual long OpenKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                         Key& out) = 0;
    // RegCreateKeyExA (non-volatile, no class): opens or creates the key.
    virtual long CreateKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                           Key& out) = 0;
    // RegQueryValueExA: data may be null to ask for the size. On entry size is the
    // buffer size; on return the value's size. A buffer too small gives kMoreData.
    virtual long QueryValue(Key key, const std::string& name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) = 0;
    // RegSetValueExA.
    virtual long SetValue(Key key, const std::string& name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) = 0;
    virtual long CloseKey(Key key) = 0;
    // RegDeleteKeyA: deletes one key (and its values).
    virtual long DeleteKey(std::uint32_t root, const std::string& path) = 0;
};

}  // namespace brambletune
