// The reading rule of stored text and the conversions around it, with Latin-1
// as the legacy code page.
#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/model/AnsiText.h"
#include "jukebox/model/StoredText.h"

namespace brambletune {
namespace {

using testing::Latin1CodePages;

const std::string kJapanese = "\xE6\x9B\xB2";  // U+66F2, three bytes of 0x80 and above

TEST(Utf8Check, AcceptsOnlyWellFormedUtf8) {
    const struct {
        std::string bytes;
        bool valid;
    } cases[] = {
        {"plain ASCII", true},
        {"Caf\xC3\xA9", true},
        {kJapanese, true},
        {"\xF0\x9F\x8E\xB5", true},   // U+1F3B5
        {"Caf\xE9", false},           // Latin-1
        {"\xC0\xAF", false},          // overlong '/'
        {"\xE0\x80\xAF", false},      // overlong, three bytes
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // past U+10FFFF
        {"\xE6\x9B", false},          // cut short
        {"\x9B", false},              // a lone continuation byte
        {"\x82\xA0\x82\xA2", false},  // Shift-JIS kana
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;

    Utf8Check pieces;  // a character split between two reads
    pieces.Feed("a\xE6");
    EXPECT_FALSE(pieces.Valid());
    EXPECT_FALSE(pieces.Broken());
    pieces.Feed("\x9B\xB2z");
    EXPECT_TRUE(pieces.Valid());
}

TEST(StoredText, ValidUtf8IsTakenAsItIsAndAnythingElseIsLegacy) {
    const Latin1CodePages utf8Program;
    const struct {
        std::string stored, program;
    } cases[] = {
        {"Caf\xE9", "Caf\xC3\xA9"},      // legacy, converted
        {"Caf\xC3\xA9", "Caf\xC3\xA9"},  // UTF-8, as it is
        {kJapanese, kJapanese},
        {"C:\\Music\\a.mp3", "C:\\Music\\a.mp3"},
        // The accepted risk: legacy "\xC3\xA9" ("A-tilde, copyright") happens
        // to be valid UTF-8 and reads as one e-acute.
        {"\xC3\xA9", "\xC3\xA9"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadStoredText(c.stored, utf8Program), c.program);
}

TEST(StoredText, AProgramWithoutUtf8LosesWhatItsCodePageCannotHold) {
    const Latin1CodePages legacyProgram(false);
    bool lost = true;
    EXPECT_EQ(ProgramText("Caf\xC3\xA9", StoredCodePage::kUtf8, legacyProgram, &lost), "Caf\xE9");
    EXPECT_FALSE(lost);
    EXPECT_EQ(ProgramText(kJapanese + ".mp3", StoredCodePage::kUtf8, legacyProgram, &lost),
              "?.mp3");
    EXPECT_TRUE(lost);
    EXPECT_EQ(ReadStoredText("Caf\xE9", legacyProgram), "Caf\xE9");
}

TEST(StoredText, WritingUtf8OrLegacy) {
    const Latin1CodePages utf8Program;
    EXPECT_EQ(StoredText("Caf\xC3\xA9", StoredCodePage::kUtf8, utf8Program), "Caf\xC3\xA9");
    EXPECT_EQ(StoredText("Caf\xC3\xA9", StoredCodePage::kLegacy, utf8Program), "Caf\xE9");
    EXPECT_EQ(StoredText(kJapanese + "!", StoredCodePage::kLegacy, utf8Program), "?!");
    const Latin1CodePages legacyProgram(false);
    EXPECT_EQ(StoredText("Caf\xE9", StoredCodePage::kUtf8, legacyProgram), "Caf\xC3\xA9");
}

TEST(StoredText, AByteOrderMarkSaysUtf8AndIsDropped) {
    const Latin1CodePages utf8Program;
    EXPECT_EQ(ReadStoredFile("\xEF\xBB\xBF"
                             "Caf\xC3\xA9",
                             utf8Program),
              "Caf\xC3\xA9");
    EXPECT_EQ(ReadStoredFile("\xEF\xBB\xBF", utf8Program), "");
    EXPECT_EQ(ReadStoredFile("Caf\xE9", utf8Program), "Caf\xC3\xA9");
}

TEST(StoredText, PathsInUtf8AreCutAtTheirRealBackslashesAndDots) {
    // Under the UTF-8 code page no byte leads a two-byte pair.
    const testing::AsciiTextCase utf8Case;
    const std::string path = "C:\\" + kJapanese + "\\" + kJapanese + ".wav";
    EXPECT_EQ(FileNameOf(path, utf8Case), kJapanese + ".wav");
    EXPECT_EQ(LastDot(path, utf8Case), path.size() - 4);
}

}  // namespace
}  // namespace brambletune
