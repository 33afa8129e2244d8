#include "jukebox/settings/MRegistry.h"

#include <charconv>
#include <vector>

#include "jukebox/settings/MGeneral.h"

namespace brambletune {
namespace {

using Key = RegistryStore::Key;

// Closes an open key in every case.
class OpenedKey {
public:
    explicit OpenedKey(RegistryStore& store) : store_(store) {}
    ~OpenedKey() {
        if (key_ != 0) store_.CloseKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    bool Open(std::uint32_t root, const std::string& path) {
        return store_.OpenKey(root, path, RegistryStore::kReadAccess, key_) ==
                   RegistryStore::kSuccess &&
               key_ != 0;
    }
    bool Create(std::uint32_t root, const std::string& path) {
        return store_.CreateKey(root, path, RegistryStore::kWriteAccess, key_) ==
                   RegistryStore::kSuccess &&
               key_ != 0;
    }
    Key get() const { return key_; }

private:
    RegistryStore& store_;
    Key key_ = 0;
};

std::string ToText(const RegValue& value) {
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    return std::to_string(std::get<std::int32_t>(value));
}

bool ToNumber(const RegValue& value, std::int32_t& out) {
    if (const auto* n = std::get_if<std::int32_t>(&value)) {
        out = *n;
        return true;
    }
    std::string_view text = std::get<std::string>(value);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

long QueryRegValue(RegistryStore& store, Key key, const std::string& valueName, std::uint32_t type,
                   RegValue& out) {
    if (type == RegistryStore::kSz) {
        out = std::string();
        std::uint32_t storedType = 0;
        std::uint32_t size = 0;
        long status = store.QueryValue(key, valueName, storedType, nullptr, size);
        if (status != RegistryStore::kSuccess) return status;
        if (storedType != RegistryStore::kSz) return -1;
        std::vector<std::uint8_t> buffer(size + 1, 0);
        status = store.QueryValue(key, valueName, storedType, buffer.data(), size);
        if (status != RegistryStore::kSuccess) return status;
        if (storedType != RegistryStore::kSz) return -1;
        // Text up to the first NUL: our own values end in exactly one NUL, but a
        // value written by another program may lack it or carry several.
        out = TrimNull(std::string_view(reinterpret_cast<const char*>(buffer.data()), size));
        return status;
    }
    if (type == RegistryStore::kDword) {
        std::uint32_t storedType = 0;
        std::uint8_t data[4] = {};
        std::uint32_t size = sizeof data;
        const long status = store.QueryValue(key, valueName, storedType, data, size);
        if (status != RegistryStore::kSuccess) return status;
        if (storedType != RegistryStore::kDword || size != 4) return -1;
        out = static_cast<std::int32_t>(static_cast<std::uint32_t>(data[0]) |
                                        (static_cast<std::uint32_t>(data[1]) << 8) |
                                        (static_cast<std::uint32_t>(data[2]) << 16) |
                                        (static_cast<std::uint32_t>(data[3]) << 24));
        return status;
    }
    return -1;
}

long StoreRegValue(RegistryStore& store, Key key, const std::string& valueName, std::uint32_t type,
                   const RegValue& value) {
    if (type == RegistryStore::kSz) {
        std::string text = ToText(value);
        text.push_back('\0');
        return store.SetValue(key, valueName, RegistryStore::kSz,
                              reinterpret_cast<const std::uint8_t*>(text.data()),
                              static_cast<std::uint32_t>(text.size()));
    }
    if (type == RegistryStore::kDword) {
        std::int32_t number = 0;
        if (!ToNumber(value, number)) return -1;
        const auto u = static_cast<std::uint32_t>(number);
        const std::uint8_t data[4] = {
            static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
        return store.SetValue(key, valueName, RegistryStore::kDword, data, 4);
    }
    return -1;
}

RegValue GetRegValue(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                     const std::string& valueName, std::uint32_t type, const RegValue& def) {
    OpenedKey key(store);
    if (!key.Open(root, keyPath)) return def;
    RegValue value;
    if (QueryRegValue(store, key.get(), valueName, type, value) != RegistryStore::kSuccess)
        return def;
    return value;
}

std::string GetRegString(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const std::string& def) {
    return ToText(GetRegValue(store, root, keyPath, valueName, RegistryStore::kSz, def));
}

std::int32_t GetRegDword(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, std::int32_t def) {
    const RegValue v = GetRegValue(store, root, keyPath, valueName, RegistryStore::kDword, def);
    const auto* n = std::get_if<std::int32_t>(&v);
    return n ? *n : def;
}

void SetRegValue(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                 const std::string& valueName, const RegValue& value, std::uint32_t type) {
    OpenedKey key(store);
    if (!key.Create(root, keyPath)) return;
    StoreRegValue(store, key.get(), valueName, type, value);
}

bool GetRegBinary(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                  const std::string& valueName, OptionsRecord& out) {
    OpenedKey key(store);
    if (!key.Open(root, keyPath)) return false;
    OptionsRecord::Bytes buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = OptionsRecord::kSize;
    const long status = store.QueryValue(key.get(), valueName, type, buffer.data(), size);
    if (status != RegistryStore::kSuccess || size != OptionsRecord::kSize) return false;
    out = OptionsRecord(buffer);
    return true;
}

void SetRegBinary(RegistryStore& store, std::uint32_t root, const std::string& keyPath,
                  const std::string& valueName, const OptionsRecord& record) {
    OpenedKey key(store);
    if (!key.Create(root, keyPath)) return;
    store.SetValue(key.get(), valueName, RegistryStore::kBinary, record.bytes().data(),
                   static_cast<std::uint32_t>(OptionsRecord::kSize));
}

void DeleteRegKey(RegistryStore& store, std::uint32_t root, const std::string& keyPath) {
    store.DeleteKey(root, keyPath);
}

}  // namespace brambletune
