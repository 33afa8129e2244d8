#include <gtest/gtest.h>

#include "jukebox/Id3v2TestSupport.h"
#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/model/CSong.h"
#include "jukebox/model/Id3v2Tag.h"
#include "jukebox/model/MID3.h"
#include "jukebox/model/UnicodeText.h"

namespace brambletune {
namespace {

using testing::AsciiTextCase;
using testing::Id3Frame;
using testing::Id3Tag;
using testing::Id3Text;
using testing::MemoryFileSystem;
using testing::SynchSafeBytes;
using testing::Unsynchronise;

const std::string kAudio(2000, '\x55');

bool Parse(const std::string& file, Id3v2Text& out) {
    return ParseId3v2(file, file.size(), out);
}

// The six frames a song takes, with the ids of the version.
std::string AllFrames(int version) {
    const bool v2 = version == 2;
    const std::string comment = std::string("eng") + "desc" + '\0' + "Nice";
    return Id3Text(version, v2 ? "TT2" : "TIT2", "Hello") +
           Id3Text(version, v2 ? "TP1" : "TPE1", "Band") +
           Id3Text(version, v2 ? "TAL" : "TALB", "Album") +
           Id3Text(version, v2 ? "TYE" : (version == 3 ? "TYER" : "TDRC"),
                   version == 4 ? "1999-05-06" : "1999") +
           Id3Text(version, v2 ? "TCO" : "TCON", "(17)") +
           Id3Text(version, v2 ? "COM" : "COMM", comment);
}

TEST(Id3v2, EachVersionGivesTheSixFields) {
    for (const int version : {2, 3, 4}) {
        SCOPED_TRACE(version);
        Id3v2Text t;
        ASSERT_TRUE(Parse(Id3Tag(version, AllFrames(version), 0, 100) + kAudio, t));
        EXPECT_EQ(t.title, u"Hello");
        EXPECT_EQ(t.artist, u"Band");
        EXPECT_EQ(t.album, u"Album");
        EXPECT_EQ(t.year, u"1999");
        EXPECT_EQ(t.genre, u"(17)");
        EXPECT_EQ(t.comment, u"Nice");
    }
}

TEST(Id3v2, EachEncoding) {
    struct Case {
        const char* name;
        char encoding;
        std::string bytes;
        std::u16string want;
    };
    const Case cases[] = {
        {"ISO-8859-1", 0, "Caf\xE9", u"Caf\u00E9"},
        {"UTF-16 LE with BOM", 1,
         std::string("\xFF\xFE"
                     "C\0\xE9\0",
                     6),
         u"C\u00E9"},
        {"UTF-16 BE with BOM", 1, std::string("\xFE\xFF\0C\0\xE9", 6), u"C\u00E9"},
        {"UTF-16 without BOM", 1, std::string("C\0\xE9\0", 4), u"C\u00E9"},
        {"UTF-16BE", 2, std::string("\x30\x42\0x", 4), u"\u3042x"},
        {"UTF-8", 3, "Caf\xC3\xA9 \xE3\x81\x82", u"Caf\u00E9 \u3042"},
        {"UTF-8 with BOM", 3, "\xEF\xBB\xBFok", u"ok"},
        {"first of two values", 3, std::string("one\0two", 7), u"one"},
        {"UTF-16 terminator on a pair", 1, std::string("\xFF\xFE\0\x01\0\0x\0", 8), u"\u0100"},
        {"surrogate pair", 1, std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), u"\U0001F600"},
        {"line breaks as blanks", 0, "one\r\ntwo\t", u"one  two "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Id3v2Text t;
        ASSERT_TRUE(Parse(Id3Tag(4, Id3Text(4, "TIT2", c.bytes, c.encoding)), t));
        EXPECT_EQ(t.title, c.want);
    }
}

TEST(Id3v2, CommentWithoutDescriptionIsPreferred) {
    const auto comm = [](const std::string& description, const std::string& text) {
        return Id3Frame(3, "COMM", std::string("\0eng", 4) + description + '\0' + text);
    };
    Id3v2Text t;
    ASSERT_TRUE(Parse(Id3Tag(3, comm("iTunNORM", "0000") + comm("", "mine") + comm("", "x")), t));
    EXPECT_EQ(t.comment, u"mine");
    ASSERT_TRUE(Parse(Id3Tag(3, comm("a", "first") + comm("b", "second")), t));
    EXPECT_EQ(t.comment, u"first");
    const std::string wide = Id3Frame(3, "COMM",
                                      std::string("\x01"
                                                  "eng"
                                                  "\xFF\xFE\0\0"
                                                  "\xFF\xFE"
                                                  "h\0i\0",
                                                  14));
    ASSERT_TRUE(Parse(Id3Tag(3, wide), t));
    EXPECT_EQ(t.comment, u"hi");
}

TEST(Id3v2, Unsynchronisation) {
    // 0xFF followed by 0xE0 or 0x00 is written with a 0x00 between them.
    const std::string title = "\xFF\xE0\xFF";
    const std::u16string want = u"\u00FF\u00E0\u00FF";
    Id3v2Text t;
    // 2.3: the whole tag after its header.
    const std::string v3 = Id3Text(3, "TIT2", title) + Id3Text(3, "TPE1", "B");
    ASSERT_TRUE(Parse(Id3Tag(3, Unsynchronise(v3), 0x80), t));
    EXPECT_EQ(t.title, want);
    EXPECT_EQ(t.artist, u"B");
    // 2.4: the frame flag, with and without the tag's flag.
    const std::string v4 = Id3Frame(4, "TIT2", Unsynchronise('\0' + title), 0x02);
    ASSERT_TRUE(Parse(Id3Tag(4, v4), t));
    EXPECT_EQ(t.title, want);
    ASSERT_TRUE(Parse(Id3Tag(4, v4, 0x80), t));
    EXPECT_EQ(t.title, want);
    // 2.4 with only the tag's flag: every frame is unsynchronised.
    const std::string v4TagOnly = Id3Frame(4, "TIT2", Unsynchronise('\0' + title));
    ASSERT_TRUE(Parse(Id3Tag(4, v4TagOnly, 0x80), t));
    EXPECT_EQ(t.title, want);
    // 2.2: the whole tag.
    ASSERT_TRUE(Parse(Id3Tag(2, Unsynchronise(Id3Text(2, "TT2", title)), 0x80), t));
    EXPECT_EQ(t.title, want);
}

TEST(Id3v2, ExtendedHeadersAndFrameExtrasAreSkipped) {
    Id3v2Text t;
    const std::string v3Extended = std::string("\0\0\0\x06", 4) + std::string(6, '\0');
    ASSERT_TRUE(Parse(Id3Tag(3, v3Extended + Id3Text(3, "TIT2", "x"), 0x40), t));
    EXPECT_EQ(t.title, u"x");
    const std::string v4Extended = SynchSafeBytes(6) + "\x01" + std::string(1, '\0');
    ASSERT_TRUE(Parse(Id3Tag(4, v4Extended + Id3Text(4, "TIT2", "y"), 0x40), t));
    EXPECT_EQ(t.title, u"y");
    // 2.4 group byte and data length, 2.3 group byte; compressed frames are skipped.
    const std::string extras = Id3Frame(4, "TIT2", std::string("G\0\0\0\x02\0z", 7), 0x41) +
                               Id3Frame(4, "TPE1", "packed", 0x08) + Id3Text(4, "TALB", "A");
    ASSERT_TRUE(Parse(Id3Tag(4, extras), t));
    EXPECT_EQ(t.title, u"z");
    EXPECT_EQ(t.artist, u"");
    EXPECT_EQ(t.album, u"A");
    ASSERT_TRUE(Parse(Id3Tag(3, Id3Frame(3, "TIT2", std::string("G\0w", 3), 0x20)), t));
    EXPECT_EQ(t.title, u"w");
}

TEST(Id3v2, DamagedOrForeignTagsAreNoTag) {
    const std::string good = Id3Text(4, "TIT2", "x");
    std::string longFrame = Id3Text(4, "TIT2", "x");
    longFrame[7] = 9;  // the frame claims more than the tag holds
    std::string badFrameSize = good;
    badFrameSize[7] = '\x80';  // not synch-safe
    std::string badTagSize = Id3Tag(4, good);
    badTagSize[9] = '\x80';
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"tag longer than the file", Id3Tag(4, good, 0, 50).substr(0, 30)},
        {"footer past the end of the file", Id3Tag(4, good, 0x10)},
        {"frame longer than the tag", Id3Tag(4, longFrame)},
        {"frame size not synch-safe", Id3Tag(4, badFrameSize)},
        {"tag size not synch-safe", badTagSize},
        {"extended header longer than the tag", Id3Tag(4, SynchSafeBytes(60) + good, 0x40)},
        {"extended header below its minimum", Id3Tag(4, SynchSafeBytes(2) + good, 0x40)},
        {"2.3 extended header longer than the tag",
         Id3Tag(3, std::string("\0\0\1\0", 4) + good, 0x40)},
        {"data length past the frame", Id3Tag(4, Id3Frame(4, "TIT2", "ab", 0x01))},
        {"frame id not of letters and digits", Id3Tag(4, Id3Text(4, "TI-2", "x"))},
        {"compressed 2.2 tag", Id3Tag(2, Id3Text(2, "TT2", "x"), 0x40)},
        {"version 5", Id3Tag(5, good)},
        {"version 1", Id3Tag(1, good)},
        {"revision 255", "ID3\x04\xFF" + Id3Tag(4, good).substr(5)},
        {"no marker", "ID2" + Id3Tag(4, good).substr(3)},
        {"header cut short", Id3Tag(4, good).substr(0, 9)},
        {"only padding", Id3Tag(4, "", 0, 40)},
        {"no field the song takes", Id3Tag(4, Id3Text(4, "TRCK", "3"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Id3v2Text t;
        t.title = u"stale";
        EXPECT_FALSE(Parse(c.file, t));
        EXPECT_EQ(t.title, u"");
    }
}

TEST(Id3v2, APartlyReadTagGivesTheFramesBeforeTheCut) {
    const std::string tag =
        Id3Tag(3, Id3Text(3, "TIT2", "Early") + Id3Frame(3, "APIC", std::string(5000, 'p')) +
                      Id3Text(3, "TPE1", "Late"));
    const std::string file = tag + kAudio;
    Id3v2Text t;
    ASSERT_TRUE(ParseId3v2(std::string_view(file).substr(0, 1000), file.size(), t));
    EXPECT_EQ(t.title, u"Early");
    EXPECT_EQ(t.artist, u"");
    ASSERT_TRUE(Parse(file, t));
    EXPECT_EQ(t.artist, u"Late");
}

TEST(Id3v2, GenreNumbers) {
    const struct {
        std::u16string text;
        std::int32_t number;
    } cases[] = {
        {u"17", 17},         {u"(17)", 17}, {u"(9)Metal", 9}, {u"Rock", 17},        {u"hip-hop", 7},
        {u"Vaporwave", 255}, {u"", 255},    {u"(RX)", 255},   {u"300", 255},        {u"(255)", 255},
        {u"(0)", 0},         {u"(12", 255}, {u"Blues ", 255}, {u"Rock & Roll", 78},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Id3v2GenreNumber(c.text), c.number) << Utf16ToUtf8(c.text);
    }
}

TEST(UnicodeText, Utf8RoundTripAndInvalidBytes) {
    EXPECT_EQ(Utf16ToUtf8(u"a\u00E9\u3042\U0001F600"), "a\xC3\xA9\xE3\x81\x82\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16("a\xC3\xA9\xE3\x81\x82\xF0\x9F\x98\x80"), u"a\u00E9\u3042\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // surrogate
    EXPECT_EQ(Utf8ToUtf16("\xE3\x81"), u"\uFFFD\uFFFD");            // cut short
    EXPECT_EQ(Utf8ToUtf16("\xE9t\xE9"), u"\uFFFDt\uFFFD");          // Latin-1 bytes
}

TEST(ReadId3v2, ReadsTheFilesFirstBlockOnly) {
    MemoryFileSystem fs;
    fs.files["a.mp3"] = Id3Tag(3, AllFrames(3)) + kAudio;
    Id3v2Text t;
    ASSERT_TRUE(ReadId3v2(fs, "a.mp3", t));
    EXPECT_EQ(t.title, u"Hello");
    // A picture bigger than the block before the artist hides the artist.
    fs.files["big.mp3"] =
        Id3Tag(3, Id3Text(3, "TIT2", "T") + Id3Frame(3, "APIC", std::string(kId3v2ReadLimit, 'p')) +
                      Id3Text(3, "TPE1", "hidden")) +
        kAudio;
    ASSERT_TRUE(ReadId3v2(fs, "big.mp3", t));
    EXPECT_EQ(t.title, u"T");
    EXPECT_EQ(t.artist, u"");
    EXPECT_FALSE(ReadId3v2(fs, "missing.mp3", t));
    fs.files["plain.wav"] = kAudio;
    EXPECT_FALSE(ReadId3v2(fs, "plain.wav", t));
    fs.files["broken.mp3"] = fs.files["a.mp3"];
    fs.failingReads.insert("broken.mp3");
    EXPECT_FALSE(ReadId3v2(fs, "broken.mp3", t));
}

class FillSongId3v2Test : public ::testing::Test {
protected:
    MemoryFileSystem fs;
    AsciiTextCase utf8;  // converts as a program whose code page is UTF-8
    const testing::Latin1CodePages pages;
    const std::string path = "C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG.MP3";
    CSong Fill() {
        CSong s;
        FillSongFromPath(s, path, GuessSettings{"", false, 3}, fs, utf8, pages);
        return s;
    }
};

TEST_F(FillSongId3v2Test, TakesTheTagInTheCodePageWithoutAnId3v1Tag) {
    const std::string frames = Id3Text(4, "TIT2", "Caf\xC3\xA9 \xE3\x81\x82", 3) +
                               Id3Text(4, "TCON", "Rock") + Id3Text(4, "TDRC", "2001");
    fs.files[path] = Id3Tag(4, frames) + kAudio;
    const CSong s = Fill();
    EXPECT_EQ(s.songTitle, "Caf\xC3\xA9 \xE3\x81\x82");
    EXPECT_EQ(s.songArtist, "");  // nothing guessed when there is a tag
    EXPECT_EQ(s.songAlbum, "");
    EXPECT_EQ(s.songYear, "2001");
    EXPECT_EQ(s.songGenre, 17);
}

TEST_F(FillSongId3v2Test, AnId3v1TagWinsAndADamagedTagLeavesTheGuesses) {
    std::string v1(128, '\0');
    v1.replace(0, 8, "TAGOld\0\0", 8);
    fs.files[path] = Id3Tag(3, AllFrames(3)) + kAudio + v1;
    EXPECT_EQ(Fill().songTitle, "Old");
    EXPECT_EQ(Fill().songGenre, 0);

    std::string damaged = Id3Tag(3, AllFrames(3));
    damaged[9] = 0x7F;  // longer than the file
    fs.files[path] = damaged;
    EXPECT_EQ(Fill().songTitle, "First Song");
    EXPECT_EQ(Fill().songArtist, "Some Band");
}

}  // namespace
}  // namespace brambletune
