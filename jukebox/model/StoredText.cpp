#include "jukebox/model/StoredText.h"

namespace brambletune {

void Utf8Check::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (broken_) return;
        const auto b = static_cast<std::uint8_t>(c);
        if (pending_ > 0) {
            broken_ = b < lowest_ || b > highest_;
            --pending_;
            lowest_ = 0x80;
            highest_ = 0xBF;
            continue;
        }
        if (b < 0x80) continue;
        // The first continuation byte's range rules out overlong forms,
        // surrogates (ED A0..BF) and code points past U+10FFFF.
        if (b >= 0xC2 && b <= 0xDF) {
            pending_ = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            pending_ = 2;
            if (b == 0xE0) lowest_ = 0xA0;
            if (b == 0xED) highest_ = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            pending_ = 3;
            if (b == 0xF0) lowest_ = 0x90;
            if (b == 0xF4) highest_ = 0x8F;
        } else {
            broken_ = true;
        }
    }
}

bool IsValidUtf8(std::string_view text) {
    Utf8Check check;
    check.Feed(text);
    return check.Valid();
}

bool IsAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<std::uint8_t>(c) >= 0x80) return false;
    return true;
}

StoredCodePage StoredCodePageOf(std::string_view bytes) {
    return IsValidUtf8(bytes) ? StoredCodePage::kUtf8 : StoredCodePage::kLegacy;
}

std::string ProgramText(std::string_view text, StoredCodePage from, const CodePages& pages,
                        bool* lost) {
    if (lost != nullptr) *lost = false;
    if (IsAscii(text)) return std::string(text);
    std::string out;
    const bool whole = pages.ToProgram(text, from, out);
    if (lost != nullptr) *lost = !whole;
    return out;
}

std::string ReadStoredText(std::string_view bytes, const CodePages& pages) {
    return ProgramText(bytes, StoredCodePageOf(bytes), pages);
}

std::string ReadStoredFile(std::string_view bytes, const CodePages& pages) {
    if (!bytes.starts_with(kUtf8Bom)) return ReadStoredText(bytes, pages);
    return ProgramText(bytes.substr(kUtf8Bom.size()), StoredCodePage::kUtf8, pages);
}

std::string StoredText(std::string_view text, StoredCodePage to, const CodePages& pages) {
    if (IsAscii(text)) return std::string(text);
    return pages.FromProgram(text, to);
}

}  // namespace brambletune
