#include "jukebox/settings/OptionsRecord.h"

#include <cmath>
#include <cstring>

namespace brambletune {

std::uint16_t OptionsRecord::U16(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes_[at] | (bytes_[at + 1] << 8));
}

std::uint32_t OptionsRecord::U32(std::size_t at) const {
    return static_cast<std::uint32_t>(bytes_[at]) |
           (static_cast<std::uint32_t>(bytes_[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes_[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes_[at + 3]) << 24);
}

void OptionsRecord::PutU16(std::size_t at, std::uint16_t v) {
    bytes_[at] = static_cast<std::uint8_t>(v & 0xFF);
    bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void OptionsRecord::PutU32(std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) bytes_[at + k] = static_cast<std::uint8_t>((v >> (8 * k)) & 0xFF);
}

std::int64_t OptionsRecord::FontSizeRaw(int slot) const {
    const std::size_t at = Offset::FontSize + 8 * Index(slot, kFontSlots);
    std::uint64_t v = 0;
    for (int k = 7; k >= 0; --k) v = (v << 8) | bytes_[at + k];
    return static_cast<std::int64_t>(v);
}

void OptionsRecord::SetFontSizeRaw(int slot, std::int64_t value) {
    const std::size_t at = Offset::FontSize + 8 * Index(slot, kFontSlots);
    const auto v = static_cast<std::uint64_t>(value);
    for (int k = 0; k < 8; ++k) bytes_[at + k] = static_cast<std::uint8_t>((v >> (8 * k)) & 0xFF);
}

void OptionsRecord::SetFontSize(int slot, double points) {
    SetFontSizeRaw(slot, static_cast<std::int64_t>(std::nearbyint(points * 10000.0)));
}

std::string OptionsRecord::Text(std::size_t at, std::size_t size) const {
    const auto* begin = reinterpret_cast<const char*>(bytes_.data() + at);
    const void* nul = std::memchr(begin, 0, size);
    return std::string(begin, nul ? static_cast<const char*>(nul) - begin : size);
}

void OptionsRecord::PutText(std::size_t at, std::size_t size, std::string_view text) {
    std::memset(bytes_.data() + at, 0, size);
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(bytes_.data() + at, text.data(), n);
}

std::string OptionsRecord::FontName(int slot) const {
    return Text(Offset::FontName + kFontNameSize * Index(slot, kFontSlots), kFontNameSize);
}

void OptionsRecord::SetFontName(int slot, std::string_view name) {
    PutText(Offset::FontName + kFontNameSize * Index(slot, kFontSlots), kFontNameSize, name);
}

std::string OptionsRecord::LyricsExtension() const {
    return Text(Offset::LyricsExtension, kLyricsExtensionSize);
}

void OptionsRecord::SetLyricsExtension(std::string_view extension) {
    PutText(Offset::LyricsExtension, kLyricsExtensionSize, extension);
}

}  // namespace brambletune
