#pragma once

#include <cstdint>
#include <string>

namespace brambletune::testing {

// ID3 version 2 tags built byte by byte, for the reader's tests.

inline std::string SynchSafeBytes(std::uint32_t n) {
    std::string s(4, '\0');
    for (int i = 3; i >= 0; --i, n >>= 7)
        s[static_cast<std::size_t>(i)] = static_cast<char>(n & 0x7F);
    return s;
}

inline std::string BigEndianBytes(std::uint32_t n, int width) {
    std::string s(static_cast<std::size_t>(width), '\0');
    for (int i = width - 1; i >= 0; --i, n >>= 8)
        s[static_cast<std::size_t>(i)] = static_cast<char>(n & 0xFF);
    return s;
}

// Inserts a 0x00 after every 0xFF that is followed by 0x00, a byte >= 0xE0, or
// nothing.
inline std::string Unsynchronise(const std::string& data) {
    std::string out;
    for (std::size_t i = 0; i < data.size(); ++i) {
        out += data[i];
        const bool ff = static_cast<unsigned char>(data[i]) == 0xFF;
        const bool risky = i + 1 == data.size() || data[i + 1] == '\0' ||
                           static_cast<unsigned char>(data[i + 1]) >= 0xE0;
        if (ff && risky) out += '\0';
    }
    return out;
}

// One frame of the given version (2, 3 or 4); flags is the second flag byte.
inline std::string Id3Frame(int version, const std::string& id, const std::string& data,
                            unsigned flags = 0) {
    const auto size = static_cast<std::uint32_t>(data.size());
    if (version == 2) return id + BigEndianBytes(size, 3) + data;
    const std::string sizeBytes = version == 3 ? BigEndianBytes(size, 4) : SynchSafeBytes(size);
    return id + sizeBytes + '\0' + static_cast<char>(flags) + data;
}

// A text frame: encoding byte, then the bytes as given.
inline std::string Id3Text(int version, const std::string& id, const std::string& bytes,
                           char encoding = 0) {
    return Id3Frame(version, id, encoding + bytes);
}

// The tag around body (frames, extended header...) with padding NULs after it.
inline std::string Id3Tag(int version, const std::string& body, unsigned flags = 0,
                          std::size_t padding = 0) {
    const auto size = static_cast<std::uint32_t>(body.size() + padding);
    return std::string("ID3") + static_cast<char>(version) + '\0' + static_cast<char>(flags) +
           SynchSafeBytes(size) + body + std::string(padding, '\0');
}

}  // namespace brambletune::testing
