#include "jukebox/settings/Win32RegistryStore.h"

#include <windows.h>

namespace brambletune {

static_assert(RegistryStore::kReadAccess == KEY_READ);
static_assert(RegistryStore::kWriteAccess ==
              (KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS |
               KEY_NOTIFY | KEY_CREATE_LINK));

namespace {

// The predefined handles are sign-extended 32-bit values (HKEY_CURRENT_USER is
// 0xFFFFFFFF80000001 on x64), so a root code must go through the macros.
HKEY RootKey(std::uint32_t root) {
    switch (root) {
    case RegistryStore::kClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryStore::kCurrentUser: return HKEY_CURRENT_USER;
    case RegistryStore::kLocalMachine: return HKEY_LOCAL_MACHINE;
    default: return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    }
}

HKEY ToHkey(RegistryStore::Key key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

long Win32RegistryStore::OpenKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                                 Key& out) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(RootKey(root), path.c_str(), 0, access, &key);
    out = status == ERROR_SUCCESS ? reinterpret_cast<Key>(key) : 0;
    return status;
}

long Win32RegistryStore::CreateKey(std::uint32_t root, const std::string& path,
                                   std::uint32_t access, Key& out) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    const LONG status =
        RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                        nullptr, &key, &disposition);
    out = status == ERROR_SUCCESS ? reinterpret_cast<Key>(key) : 0;
    return status;
}

long Win32RegistryStore::QueryValue(Key key, const std::string& name, std::uint32_t& type,
                                    std::uint8_t* data, std::uint32_t& size) {
    DWORD t = 0;
    DWORD n = size;
    const LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &t, data, &n);
    type = t;
    size = n;
    return status;
}

long Win32RegistryStore::SetValue(Key key, const std::string& name, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

long Win32RegistryStore::CloseKey(Key key) {
    return RegCloseKey(ToHkey(key));
}

long Win32RegistryStore::DeleteKey(std::uint32_t root, const std::string& path) {
    return RegDeleteKeyA(RootKey(root), path.c_str());
}

}  // namespace brambletune
