#pragma once

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "jukebox/settings/RegistryStore.h"

namespace brambletune::testing {

// A registry in memory with the conventions of the ANSI registry functions:
// case-insensitive key and value names, ERROR_MORE_DATA for short buffers, a key
// with sub-keys cannot be deleted. Records the access masks asked for and the
// handles still open, and can be told to fail every open or create. Access is
// checked as for a standard user: a handle without set-value access cannot set
// values, and keys under a read-only root open only for reading.
class MemoryRegistryStore : public RegistryStore {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    // Normalised full key path ("80000001\software\...") -> value name (lower case) -> value.
    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::uint32_t> accessMasks;
    std::set<std::uint32_t> readOnlyRoots;
    bool failOpen = false;

    static std::string Normalise(std::uint32_t root, const std::string& path) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "%08x", root);
        std::string full = prefix;
        std::string part;
        for (char c : path + "\\") {
            if (c == '\\') {
                if (!part.empty()) full += "\\" + part;
                part.clear();
            } else {
                part.push_back(Lower(c));
            }
        }
        return full;
    }

    // Test helpers.
    void Put(std::uint32_t root, const std::string& path, const std::string& name,
             std::uint32_t type, std::vector<std::uint8_t> data) {
        keys[Normalise(root, path)][LowerText(name)] = Value{type, std::move(data)};
    }
    const Value* Find(std::uint32_t root, const std::string& path, const std::string& name) const {
        const auto k = keys.find(Normalise(root, path));
        if (k == keys.end()) return nullptr;
        const auto v = k->second.find(LowerText(name));
        return v == k->second.end() ? nullptr : &v->second;
    }
    bool HasKey(std::uint32_t root, const std::string& path) const {
        return keys.count(Normalise(root, path)) > 0;
    }
    std::size_t OpenHandles() const { return open_.size(); }

    long OpenKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                 Key& out) override {
        accessMasks.push_back(access);
        out = 0;
        if (failOpen || !Allowed(root, access)) return kAccessDenied;
        const std::string k = Normalise(root, path);
        if (!keys.count(k)) return kFileNotFound;
        return Issue(k, access, out);
    }
    long CreateKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                   Key& out) override {
        accessMasks.push_back(access);
        out = 0;
        if (failOpen || !Allowed(root, access)) return kAccessDenied;
        const std::string k = Normalise(root, path);
        // Create the intermediate keys too, as the registry does.
        for (std::size_t p = k.find('\\'); p != std::string::npos; p = k.find('\\', p + 1))
            keys[k.substr(0, p)];
        keys[k];
        return Issue(k, access, out);
    }
    long QueryValue(Key key, const std::string& name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override {
        const auto h = open_.find(key);
        if (h == open_.end()) return 6;  // ERROR_INVALID_HANDLE
        const auto k = keys.find(h->second.path);
        if (k == keys.end()) return kFileNotFound;
        const auto v = k->second.find(LowerText(name));
        if (v == k->second.end()) return kFileNotFound;
        type = v->second.type;
        const auto n = static_cast<std::uint32_t>(v->second.data.size());
        if (data == nullptr) {
            size = n;
            return kSuccess;
        }
        if (size < n) {
            size = n;
            return kMoreData;
        }
        std::copy(v->second.data.begin(), v->second.data.end(), data);
        size = n;
        return kSuccess;
    }
    long SetValue(Key key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
        const auto h = open_.find(key);
        if (h == open_.end()) return 6;
        if ((h->second.access & kSetValue) == 0) return kAccessDenied;
        keys[h->second.path][LowerText(name)] =
            Value{type, std::vector<std::uint8_t>(data, data + size)};
        return kSuccess;
    }
    long CloseKey(Key key) override { return open_.erase(key) ? kSuccess : 6; }
    long DeleteKey(std::uint32_t root, const std::string& path) override {
        const std::string k = Normalise(root, path);
        if (!keys.count(k)) return kFileNotFound;
        const auto next = keys.lower_bound(k + "\\");
        if (next != keys.end() && next->first.compare(0, k.size() + 1, k + "\\") == 0)
            return kAccessDenied;  // has sub-keys
        keys.erase(k);
        return kSuccess;
    }

private:
    static char Lower(char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    static std::string LowerText(std::string s) {
        for (char& c : s) c = Lower(c);
        return s;
    }
    static constexpr std::uint32_t kSetValue = 0x2;  // KEY_SET_VALUE

    bool Allowed(std::uint32_t root, std::uint32_t access) const {
        return readOnlyRoots.count(root) == 0 || (access & ~kReadAccess) == 0;
    }
    long Issue(const std::string& k, std::uint32_t access, Key& out) {
        out = ++lastHandle_;
        open_[out] = {k, access};
        return kSuccess;
    }
    struct Handle {
        std::string path;
        std::uint32_t access = 0;
    };
    std::map<Key, Handle> open_;
    Key lastHandle_ = 0x1000;
};

}  // namespace brambletune::testing
