#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "jukebox/settings/OptionsRecord.h"
#include "jukebox/settings/RegistryStore.h"

namespace brambletune {

// A value of the string/DWORD helpers: text (type 1) or a signed 32-bit number (type 4).
using RegValue = std::variant<std::string, std::int32_t>;

// Registry helpers. Reads open keys with read access only, writes create or
// open them with access 0x3F; failures are never reported: reads fall back to
// their default.

// Opens the key (no creation), QueryRegValue, closes it: the value read, or def.
RegValue GetRegValue(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                     const std::string& valueName, std::uint32_t type, const RegValue& def);
std::string GetRegString(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const std::string& def);
std::int32_t GetRegDword(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, std::int32_t def);

// Creates or opens the key, StoreRegValue, closes it. Errors are ignored.
void SetRegValue(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                 const std::string& valueName, const RegValue& value, std::uint32_t type);

// Type 1: the text up to its NUL (empty out value on failure); type 4: a
// signed 32-bit number. The value must be stored with the type asked for; a
// value of another type, and any type other than 1 or 4, give -1.
long QueryRegValue(RegistryStore& store, RegistryStore::Key key, const std::string& valueName,
                   std::uint32_t type, RegValue& out);

// Type 1: the value as text plus one NUL, as REG_SZ; type 4: as a signed 32-bit
// REG_DWORD (text that is not a decimal number stores nothing). Other types
// store nothing and give -1.
long StoreRegValue(RegistryStore& store, RegistryStore::Key key, const std::string& valueName,
                   std::uint32_t type, const RegValue& value);

// The 332-byte record: ok only when the query succeeded with exactly 332 bytes.
bool GetRegBinary(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                  const std::string& valueName, OptionsRecord& out);
void SetRegBinary(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                  const std::string& valueName, const OptionsRecord& record);

void DeleteRegKey(RegistryStore& store, std::uint32_t root, const std::string& keyPath);

}  // namespace brambletune
