#pragma once

#include "jukebox/settings/RegistryStore.h"

namespace brambletune {

// The real registry through the ANSI functions of advapi32.
class Win32RegistryStore : public RegistryStore {
public:
    long OpenKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                 Key& out) override;
    long CreateKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                   Key& out) override;
    long QueryValue(Key key, const std::string& name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override;
    long SetValue(Key key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long CloseKey(Key key) override;
    long DeleteKey(std::uint32_t root, const std::string& path) override;
};

}  // namespace brambletune
