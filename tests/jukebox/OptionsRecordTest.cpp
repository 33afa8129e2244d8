#include <gtest/gtest.h>

#include <cstring>

#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/OptionsRecord.h"

namespace brambletune {
namespace {

// Little-endian readers over the raw bytes, independent of the accessors.
std::uint32_t U32(const OptionsRecord& r, std::size_t at) {
    const auto& b = r.bytes();
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(const OptionsRecord& r, std::size_t at) {
    return static_cast<std::uint16_t>(r.bytes()[at] | (r.bytes()[at + 1] << 8));
}
// Offsets that differ from the record before and after a change.
std::vector<std::size_t> Changed(const OptionsRecord& a, const OptionsRecord& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < 332; ++i)
        if (a.bytes()[i] != b.bytes()[i]) at.push_back(i);
    return at;
}

TEST(OptionsRecord, IsExactly332Bytes) {
    EXPECT_EQ(sizeof(OptionsRecord::Bytes), 332u);
    EXPECT_EQ(OptionsRecord::kSize, 332u);
}

// Every 32-bit field, written with a distinctive value, lands at its offset
// (computed by hand from the field sizes) and nowhere else.
TEST(OptionsRecord, Int32FieldsAtTheirOffsets) {
    struct Case {
        std::size_t offset;
        void (OptionsRecord::*set)(std::int32_t);
        std::int32_t (OptionsRecord::*get)() const;
    };
    const Case cases[] = {
        {0, &OptionsRecord::SetDisplayState, &OptionsRecord::DisplayState},
        {208, &OptionsRecord::SetGuessMode, &OptionsRecord::GuessMode},
        {212, &OptionsRecord::SetSnapDistance, &OptionsRecord::SnapDistance},
        {216, &OptionsRecord::SetErrorAction, &OptionsRecord::ErrorAction},
        {220, &OptionsRecord::SetSegueSeconds, &OptionsRecord::SegueSeconds},
        {272, &OptionsRecord::SetAlbumIcon, &OptionsRecord::AlbumIcon},
        {276, &OptionsRecord::SetFileIcon, &OptionsRecord::FileIcon},
        {280, &OptionsRecord::SetRecentCount, &OptionsRecord::RecentCount},
        {284, &OptionsRecord::SetTimeMode, &OptionsRecord::TimeMode},
    };
    for (const Case& c : cases) {
        OptionsRecord r;
        (r.*c.set)(-0x12345678);
        EXPECT_EQ(Changed(OptionsRecord(), r),
                  (std::vector<std::size_t>{c.offset, c.offset + 1, c.offset + 2, c.offset + 3}))
            << c.offset;
        EXPECT_EQ(r.bytes()[c.offset], 0x88);  // -0x12345678 = 0xEDCBA988
        EXPECT_EQ(r.bytes()[c.offset + 3], 0xED);
        EXPECT_EQ((r.*c.get)(), -0x12345678);
    }
}

TEST(OptionsRecord, BooleanFieldsAtTheirOffsetsWrittenAs0OrFFFF) {
    struct Case {
        std::size_t offset;
        void (OptionsRecord::*set)(bool);
        bool (OptionsRecord::*get)() const;
    };
    const Case cases[] = {
        {306, &OptionsRecord::SetFirstDot, &OptionsRecord::FirstDot},
        {308, &OptionsRecord::SetEasyMove, &OptionsRecord::EasyMove},
        {310, &OptionsRecord::SetSnapEnabled, &OptionsRecord::SnapEnabled},
        {312, &OptionsRecord::SetOnTop, &OptionsRecord::OnTop},
        {314, &OptionsRecord::SetAutoSave, &OptionsRecord::AutoSave},
        {316, &OptionsRecord::SetAllowDuplicates, &OptionsRecord::AllowDuplicates},
        {318, &OptionsRecord::SetRemoveDuplicatesOnLoad, &OptionsRecord::RemoveDuplicatesOnLoad},
        {320, &OptionsRecord::SetAutoPlay, &OptionsRecord::AutoPlay},
        {322, &OptionsRecord::SetAutoOpenLyrics, &OptionsRecord::AutoOpenLyrics},
        {324, &OptionsRecord::SetAutoCloseLyrics, &OptionsRecord::AutoCloseLyrics},
        {326, &OptionsRecord::SetAssociateAlbums, &OptionsRecord::AssociateAlbums},
        {328, &OptionsRecord::SetSaveOptionsOnClose, &OptionsRecord::SaveOptionsOnClose},
    };
    for (const Case& c : cases) {
        OptionsRecord r;
        (r.*c.set)(true);
        EXPECT_EQ(Changed(OptionsRecord(), r), (std::vector<std::size_t>{c.offset, c.offset + 1}));
        EXPECT_EQ(U16(r, c.offset), 0xFFFF);
        EXPECT_TRUE((r.*c.get)());
        (r.*c.set)(false);
        EXPECT_EQ(U16(r, c.offset), 0);
        EXPECT_FALSE((r.*c.get)());
        r.bytes()[c.offset] = 1;  // any non-zero value reads as true
        EXPECT_TRUE((r.*c.get)());
    }
}

TEST(OptionsRecord, ColoursAtTheirOffsets) {
    OptionsRecord r;
    r.SetBackgroundColor(0x00112233);
    r.SetTextColor(0x00445566);
    EXPECT_EQ(U32(r, 68), 0x00112233u);
    EXPECT_EQ(U32(r, 72), 0x00445566u);
    EXPECT_EQ(r.bytes()[68], 0x33);
    for (int i = 0; i < 16; ++i) r.SetCustomColor(i, 0x00A00000u + static_cast<std::uint32_t>(i));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(U32(r, 4 + 4 * static_cast<std::size_t>(i)),
                  0x00A00000u + static_cast<std::uint32_t>(i));
    EXPECT_EQ(r.CustomColor(15), 0x00A0000Fu);
    EXPECT_EQ(U32(r, 0), 0u);
    EXPECT_EQ(U32(r, 76), 0u);
}

TEST(OptionsRecord, FontSlotsAtTheirOffsets) {
    OptionsRecord r;
    r.SetFontSize(0, 9.75);
    r.SetFontSize(1, 12.0);
    r.SetFontSize(2, -1.5);
    EXPECT_EQ(r.FontSizeRaw(0), 97500);
    // slot 1 at 84, slot 2 at 92, each 8 bytes little-endian.
    EXPECT_EQ(U32(r, 76), 97500u);
    EXPECT_EQ(U32(r, 80), 0u);
    EXPECT_EQ(U32(r, 84), 120000u);
    EXPECT_EQ(U32(r, 92), static_cast<std::uint32_t>(-15000));
    EXPECT_EQ(U32(r, 96), 0xFFFFFFFFu);
    EXPECT_DOUBLE_EQ(r.FontSize(2), -1.5);
    r.SetFontSize(0, 8.123456);  // rounded to the nearest 1/10000 point
    EXPECT_EQ(r.FontSizeRaw(0), 81235);
    r.SetFontSizeRaw(0, 97500);

    r.SetFontName(0, "Arial");
    r.SetFontName(1, "Courier New");
    r.SetFontName(2, std::string(40, 'x'));  // kept: 31 characters and the NUL
    EXPECT_EQ(std::memcmp(r.bytes().data() + 100, "Arial\0", 6), 0);
    EXPECT_EQ(std::memcmp(r.bytes().data() + 132, "Courier New\0", 12), 0);
    EXPECT_EQ(r.bytes()[164], 'x');
    EXPECT_EQ(r.bytes()[194], 'x');
    EXPECT_EQ(r.bytes()[195], 0);
    EXPECT_EQ(r.bytes()[196], 0);  // LyricsExtension untouched
    EXPECT_EQ(r.FontName(2), std::string(31, 'x'));
    r.SetFontName(1, "Tahoma");  // the rest of the old name is cleared
    EXPECT_EQ(r.bytes()[132 + 7], 0);
    EXPECT_EQ(r.FontName(1), "Tahoma");

    r.SetFontItalic(0, true);
    r.SetFontItalic(2, true);
    r.SetFontCharset(1, 204);
    r.SetFontWeight(0, 700);
    r.SetFontWeight(2, -1);
    EXPECT_EQ(U16(r, 288), 0xFFFF);
    EXPECT_EQ(U16(r, 290), 0);
    EXPECT_EQ(U16(r, 292), 0xFFFF);
    EXPECT_EQ(U16(r, 296), 204);
    EXPECT_EQ(U16(r, 300), 700);
    EXPECT_EQ(U16(r, 304), 0xFFFF);
    EXPECT_EQ(r.FontWeight(2), -1);
    EXPECT_EQ(U16(r, 306), 0);  // FirstDot untouched
}

TEST(OptionsRecord, LyricsExtensionAndFileTypes) {
    OptionsRecord r;
    r.SetLyricsExtension("txt");
    EXPECT_EQ(std::memcmp(r.bytes().data() + 196, "txt\0", 4), 0);
    r.SetLyricsExtension("abcdefghijklmnop");
    EXPECT_EQ(r.LyricsExtension(), "abcdefghijk");  // 11 characters
    EXPECT_EQ(r.bytes()[207], 0);
    EXPECT_EQ(U32(r, 208), 0u);
    // A stored field without NUL is read up to its end, never beyond.
    std::memset(r.bytes().data() + 196, 'z', 12);
    EXPECT_EQ(r.LyricsExtension(), std::string(12, 'z'));

    OptionsRecord f;
    f.SetFileType(0, true);
    f.SetFileType(20, true);
    f.SetFileType(23, true);
    EXPECT_EQ(U16(f, 224), 0xFFFF);
    EXPECT_EQ(U16(f, 264), 0xFFFF);
    EXPECT_EQ(U16(f, 270), 0xFFFF);
    EXPECT_EQ(Changed(OptionsRecord(), f),
              (std::vector<std::size_t>{224, 225, 264, 265, 270, 271}));
    EXPECT_TRUE(f.FileType(20));
    EXPECT_FALSE(f.FileType(19));
}

TEST(OptionsRecord, SlotIndicesOutsideAFieldStayInside) {
    OptionsRecord r;
    r.SetFontName(7, "x");
    r.SetFileType(99, true);
    r.SetCustomColor(-3, 1);
    EXPECT_EQ(r.FontName(2), "x");
    EXPECT_TRUE(r.FileType(23));
    EXPECT_EQ(r.CustomColor(0), 1u);
}

TEST(DefaultOptions, FieldByField) {
    const OptionsRecord d = DefaultOptions();
    std::array<std::uint8_t, 332> expected{};
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) expected[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
    };
    put32(72, 65280);
    put32(208, 3);
    put32(212, 20);
    put32(272, 8);
    put32(276, 10);
    put32(280, 4);
    for (std::size_t at : {306, 308, 310, 312, 316, 320, 326, 328}) {
        expected[at] = 0xFF;
        expected[at + 1] = 0xFF;
    }
    EXPECT_EQ(d.bytes(), expected);
    EXPECT_EQ(d.TextColor(), 0x0000FF00u);
    EXPECT_EQ(d.BackgroundColor(), 0u);
    EXPECT_FALSE(d.AutoSave());
    EXPECT_FALSE(d.RemoveDuplicatesOnLoad());
    EXPECT_FALSE(d.AutoOpenLyrics());
    EXPECT_FALSE(d.AutoCloseLyrics());
    EXPECT_EQ(d.FontName(0), "");
    EXPECT_EQ(d.LyricsExtension(), "");
}

}  // namespace
}  // namespace brambletune
