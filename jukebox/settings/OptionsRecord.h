#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brambletune {

// The jukebox's options record: exactly 332 bytes, little-endian,
// stored byte for byte as the registry value "Options". Kept as the raw bytes
// with typed accessors, so that whatever was read is written back unchanged
// (the reserved bytes included). Booleans are 16-bit: read as "not 0", written
// as 0 or 0xFFFF. Font slots: 0 playlist, 1 display, 2 lyrics.
class OptionsRecord {
public:
    static constexpr std::size_t kSize = 332;
    using Bytes = std::array<std::uint8_t, kSize>;

    // Byte offsets of the fields (the binding layout).
    struct Offset {
        static constexpr std::size_t DisplayState = 0;
        static constexpr std::size_t CustomColors = 4;  // 16 x 4
        static constexpr std::size_t BackgroundColor = 68;
        static constexpr std::size_t TextColor = 72;
        static constexpr std::size_t FontSize = 76;          // 3 x 8, value x 10000
        static constexpr std::size_t FontName = 100;         // 3 x 32
        static constexpr std::size_t LyricsExtension = 196;  // 12
        static constexpr std::size_t GuessMode = 208;
        static constexpr std::size_t SnapDistance = 212;
        static constexpr std::size_t ErrorAction = 216;
        static constexpr std::size_t SegueSeconds = 220;
        static constexpr std::size_t FileTypes = 224;  // 24 x 2
        static constexpr std::size_t AlbumIcon = 272;
        static constexpr std::size_t FileIcon = 276;
        static constexpr std::size_t RecentCount = 280;
        static constexpr std::size_t TimeMode = 284;
        static constexpr std::size_t FontItalic = 288;   // 3 x 2
        static constexpr std::size_t FontCharset = 294;  // 3 x 2
        static constexpr std::size_t FontWeight = 300;   // 3 x 2
        static constexpr std::size_t FirstDot = 306;
        static constexpr std::size_t EasyMove = 308;
        static constexpr std::size_t SnapEnabled = 310;
        static constexpr std::size_t OnTop = 312;
        static constexpr std::size_t AutoSave = 314;
        static constexpr std::size_t AllowDuplicates = 316;
        static constexpr std::size_t RemoveDuplicatesOnLoad = 318;
        static constexpr std::size_t AutoPlay = 320;
        static constexpr std::size_t AutoOpenLyrics = 322;
        static constexpr std::size_t AutoCloseLyrics = 324;
        static constexpr std::size_t AssociateAlbums = 326;
        static constexpr std::size_t SaveOptionsOnClose = 328;
        static constexpr std::size_t Reserved = 330;
    };
    static constexpr int kFontSlots = 3;
    static constexpr int kCustomColors = 16;
    static constexpr int kFileTypes = 24;
    static constexpr std::size_t kFontNameSize = 32;
    static constexpr std::size_t kLyricsExtensionSize = 12;

    // Every byte 0 (not the defaults: see DefaultOptions).
    OptionsRecord() { bytes_.fill(0); }
    explicit OptionsRecord(const Bytes& bytes) : bytes_(bytes) {}

    const Bytes& bytes() const { return bytes_; }
    Bytes& bytes() { return bytes_; }
    bool operator==(const OptionsRecord& other) const { return bytes_ == other.bytes_; }

    std::int32_t DisplayState() const { return I32(Offset::DisplayState); }
    void SetDisplayState(std::int32_t v) { PutI32(Offset::DisplayState, v); }
    std::int32_t GuessMode() const { return I32(Offset::GuessMode); }
    void SetGuessMode(std::int32_t v) { PutI32(Offset::GuessMode, v); }
    std::int32_t SnapDistance() const { return I32(Offset::SnapDistance); }
    void SetSnapDistance(std::int32_t v) { PutI32(Offset::SnapDistance, v); }
    std::int32_t ErrorAction() const { return I32(Offset::ErrorAction); }
    void SetErrorAction(std::int32_t v) { PutI32(Offset::ErrorAction, v); }
    std::int32_t SegueSeconds() const { return I32(Offset::SegueSeconds); }
    void SetSegueSeconds(std::int32_t v) { PutI32(Offset::SegueSeconds, v); }
    std::int32_t AlbumIcon() const { return I32(Offset::AlbumIcon); }
    void SetAlbumIcon(std::int32_t v) { PutI32(Offset::AlbumIcon, v); }
    std::int32_t FileIcon() const { return I32(Offset::FileIcon); }
    void SetFileIcon(std::int32_t v) { PutI32(Offset::FileIcon, v); }
    std::int32_t RecentCount() const { return I32(Offset::RecentCount); }
    void SetRecentCount(std::int32_t v) { PutI32(Offset::RecentCount, v); }
    std::int32_t TimeMode() const { return I32(Offset::TimeMode); }
    void SetTimeMode(std::int32_t v) { PutI32(Offset::TimeMode, v); }

    bool FirstDot() const { return Flag(Offset::FirstDot); }
    void SetFirstDot(bool v) { PutFlag(Offset::FirstDot, v); }
    bool EasyMove() const { return Flag(Offset::EasyMove); }
    void SetEasyMove(bool v) { PutFlag(Offset::EasyMove, v); }
    bool SnapEnabled() const { return Flag(Offset::SnapEnabled); }
    void SetSnapEnabled(bool v) { PutFlag(Offset::SnapEnabled, v); }
    bool OnTop() const { return Flag(Offset::OnTop); }
    void SetOnTop(bool v) { PutFlag(Offset::OnTop, v); }
    bool AutoSave() const { return Flag(Offset::AutoSave); }
    void SetAutoSave(bool v) { PutFlag(Offset::AutoSave, v); }
    bool AllowDuplicates() const { return Flag(Offset::AllowDuplicates); }
    void SetAllowDuplicates(bool v) { PutFlag(Offset::AllowDuplicates, v); }
    bool RemoveDuplicatesOnLoad() const { return Flag(Offset::RemoveDuplicatesOnLoad); }
    void SetRemoveDuplicatesOnLoad(bool v) { PutFlag(Offset::RemoveDuplicatesOnLoad, v); }
    bool AutoPlay() const { return Flag(Offset::AutoPlay); }
    void SetAutoPlay(bool v) { PutFlag(Offset::AutoPlay, v); }
    bool AutoOpenLyrics() const { return Flag(Offset::AutoOpenLyrics); }
    void SetAutoOpenLyrics(bool v) { PutFlag(Offset::AutoOpenLyrics, v); }
    bool AutoCloseLyrics() const { return Flag(Offset::AutoCloseLyrics); }
    void SetAutoCloseLyrics(bool v) { PutFlag(Offset::AutoCloseLyrics, v); }
    bool AssociateAlbums() const { return Flag(Offset::AssociateAlbums); }
    void SetAssociateAlbums(bool v) { PutFlag(Offset::AssociateAlbums, v); }
    bool SaveOptionsOnClose() const { return Flag(Offset::SaveOptionsOnClose); }
    void SetSaveOptionsOnClose(bool v) { PutFlag(Offset::SaveOptionsOnClose, v); }

    // Colours are COLORREF values 0x00BBGGRR.
    std::uint32_t BackgroundColor() const { return U32(Offset::BackgroundColor); }
    void SetBackgroundColor(std::uint32_t v) { PutU32(Offset::BackgroundColor, v); }
    std::uint32_t TextColor() const { return U32(Offset::TextColor); }
    void SetTextColor(std::uint32_t v) { PutU32(Offset::TextColor, v); }
    std::uint32_t CustomColor(int i) const {
        return U32(Offset::CustomColors + 4 * Index(i, kCustomColors));
    }
    void SetCustomColor(int i, std::uint32_t v) {
        PutU32(Offset::CustomColors + 4 * Index(i, kCustomColors), v);
    }

    // Font size as stored: points x 10000 (signed 64-bit fixed point).
    std::int64_t FontSizeRaw(int slot) const;
    void SetFontSizeRaw(int slot, std::int64_t v);
    double FontSize(int slot) const { return static_cast<double>(FontSizeRaw(slot)) / 10000.0; }
    // Rounds to the nearest 1/10000 point, a half to the even neighbour.
    void SetFontSize(int slot, double points);

    // The face name up to its NUL; an empty name means "keep the window's font".
    std::string FontName(int slot) const;
    // At most 31 characters are kept; the rest of the field is zero-filled.
    void SetFontName(int slot, std::string_view name);

    bool FontItalic(int slot) const {
        return Flag(Offset::FontItalic + 2 * Index(slot, kFontSlots));
    }
    void SetFontItalic(int slot, bool v) {
        PutFlag(Offset::FontItalic + 2 * Index(slot, kFontSlots), v);
    }
    std::int16_t FontCharset(int slot) const {
        return static_cast<std::int16_t>(U16(Offset::FontCharset + 2 * Index(slot, kFontSlots)));
    }
    void SetFontCharset(int slot, std::int16_t v) {
        PutU16(Offset::FontCharset + 2 * Index(slot, kFontSlots), static_cast<std::uint16_t>(v));
    }
    std::int16_t FontWeight(int slot) const {
        return static_cast<std::int16_t>(U16(Offset::FontWeight + 2 * Index(slot, kFontSlots)));
    }
    void SetFontWeight(int slot, std::int16_t v) {
        PutU16(Offset::FontWeight + 2 * Index(slot, kFontSlots), static_cast<std::uint16_t>(v));
    }

    // The lyrics-file extension up to its NUL (at most 11 characters).
    std::string LyricsExtension() const;
    // At most 11 characters are kept; the rest of the field is zero-filled.
    void SetLyricsExtension(std::string_view extension);

    bool FileType(int i) const { return Flag(Offset::FileTypes + 2 * Index(i, kFileTypes)); }
    void SetFileType(int i, bool v) { PutFlag(Offset::FileTypes + 2 * Index(i, kFileTypes), v); }

private:
    // Slot indices outside the field are clamped to its last slot: an accessor
    // never reads or writes outside the record.
    static std::size_t Index(int i, int n) {
        return static_cast<std::size_t>(i < 0 ? 0 : (i >= n ? n - 1 : i));
    }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    void PutI32(std::size_t at, std::int32_t v) { PutU32(at, static_cast<std::uint32_t>(v)); }
    bool Flag(std::size_t at) const { return U16(at) != 0; }
    void PutFlag(std::size_t at, bool v) { PutU16(at, v ? 0xFFFF : 0); }
    std::uint16_t U16(std::size_t at) const;
    std::uint32_t U32(std::size_t at) const;
    void PutU16(std::size_t at, std::uint16_t v);
    void PutU32(std::size_t at, std::uint32_t v);
    std::string Text(std::size_t at, std::size_t size) const;
    void PutText(std::size_t at, std::size_t size, std::string_view text);

    Bytes bytes_;
};

}  // namespace brambletune
