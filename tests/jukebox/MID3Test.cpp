#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/model/CSong.h"
#include "jukebox/model/MID3.h"
#include "jukebox/settings/MGeneral.h"
#include "jukebox/settings/MJukebox.h"

namespace brambletune {
namespace {

using testing::AsciiTextCase;
using testing::DbcsTextCase;
using testing::Latin1CodePages;
using testing::MemoryFileSystem;

const AsciiTextCase ascii{};

// A 128-byte tag block; text fields NUL-padded unless given at full width.
std::string TagBlock(const std::string& title, const std::string& artist = "",
                     const std::string& album = "", const std::string& year = "",
                     const std::string& comment = "", unsigned char genre = 255,
                     const char* marker = "TAG") {
    std::string b(128, '\0');
    b.replace(0, 3, marker, 3);
    b.replace(3, title.size(), title);
    b.replace(33, artist.size(), artist);
    b.replace(63, album.size(), album);
    b.replace(93, year.size(), year);
    b.replace(97, comment.size(), comment);
    b[127] = static_cast<char>(genre);
    return b;
}

TEST(ReadTag, ReadsTheLastBlockCutAtNulAndPaddedWithBlanks) {
    MemoryFileSystem fs;
    fs.files["a.mp3"] =
        std::string(500, '\x55') + TagBlock("Hello", "Band", "Album", "1999", "Nice", 17);
    TagRecord tag;
    ASSERT_TRUE(ReadTag(fs, "a.mp3", tag));
    EXPECT_EQ(tag.tag, "TAG");
    EXPECT_EQ(tag.title, "Hello" + std::string(25, ' '));
    EXPECT_EQ(tag.artist, "Band" + std::string(26, ' '));
    EXPECT_EQ(tag.album, "Album" + std::string(25, ' '));
    EXPECT_EQ(tag.year, "1999");
    EXPECT_EQ(tag.comment, "Nice" + std::string(26, ' '));
    EXPECT_EQ(tag.genre, 17);
}

TEST(ReadTag, TextAfterTheFirstNulIsDropped) {
    MemoryFileSystem fs;
    std::string title = "Hi";
    title += '\0';
    title += "hidden";
    std::string comment = "Comment";
    comment.resize(28, '\0');
    comment += '\0';
    comment += '\x07';  // ID3v1.1 track number: not interpreted
    fs.files["a.mp3"] = TagBlock(title, "", "", "", comment);
    TagRecord tag;
    ASSERT_TRUE(ReadTag(fs, "a.mp3", tag));
    EXPECT_EQ(tag.title, "Hi" + std::string(28, ' '));
    EXPECT_EQ(tag.comment, "Comment" + std::string(23, ' '));
    EXPECT_EQ(tag.artist, std::string(30, ' '));
}

TEST(ReadTag, NoTagCases) {
    MemoryFileSystem fs;
    TagRecord tag;
    EXPECT_FALSE(ReadTag(fs, "missing.mp3", tag));
    fs.files["short.mp3"] = std::string(100, 'x');
    EXPECT_FALSE(ReadTag(fs, "short.mp3", tag));
    fs.files["127.mp3"] = TagBlock("x").substr(0, 127);
    EXPECT_FALSE(ReadTag(fs, "127.mp3", tag));
    fs.files["lower.mp3"] = TagBlock("x", "", "", "", "", 1, "tag");
    EXPECT_FALSE(ReadTag(fs, "lower.mp3", tag));
    fs.files["middle.mp3"] = TagBlock("x") + std::string(10, '\0');
    EXPECT_FALSE(ReadTag(fs, "middle.mp3", tag));
    fs.files["locked.mp3"] = TagBlock("x");
    fs.unreadable.insert("locked.mp3");
    EXPECT_FALSE(ReadTag(fs, "locked.mp3", tag));
    fs.files["broken.mp3"] = TagBlock("x");
    fs.failingReads.insert("broken.mp3");
    EXPECT_FALSE(ReadTag(fs, "broken.mp3", tag));
    fs.files["C:\\Music"] = TagBlock("x");
    fs.folders.insert("C:\\Music");
    EXPECT_FALSE(ReadTag(fs, "C:\\Music", tag));
    fs.files["exact.mp3"] = TagBlock("x");  // exactly 128 bytes: a tag
    EXPECT_TRUE(ReadTag(fs, "exact.mp3", tag));
}

TEST(SplitPath, FolderTitleContainingAndParent) {
    const PathParts p = SplitPath("C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG.MP3", false, ascii);
    EXPECT_EQ(p.folder, "C:\\Music\\SOME BAND\\BEST OF\\");
    EXPECT_EQ(p.title, "FIRST SONG");
    EXPECT_EQ(p.containing, "BEST OF");
    EXPECT_EQ(p.parent, "SOME BAND");
}

TEST(SplitPath, DotRules) {
    EXPECT_EQ(SplitPath("C:\\Music\\Mixed Up\\track.one.mp3", false, ascii).title, "track.one");
    EXPECT_EQ(SplitPath("C:\\Music\\Mixed Up\\track.one.mp3", true, ascii).title, "track");
    EXPECT_EQ(SplitPath("C:\\My.Music\\song", false, ascii).title, "song");
    EXPECT_EQ(SplitPath("C:\\My.Music\\song", true, ascii).title, "song");
    EXPECT_EQ(SplitPath("C:\\a\\.hidden", true, ascii).title, "");
    EXPECT_EQ(SplitPath("C:\\a\\name.", false, ascii).title, "name");
}

// "\x95\x5C" and "\x81\x2E" are single characters in a code page like 932: their
// trail bytes are not a backslash or a dot.
TEST(SplitPath, TrailBytesAreNotBackslashesOrDots) {
    const DbcsTextCase dbcs;
    PathParts p = SplitPath("C:\\Music\\Band\x95\x5C\\Song\x95\x5C\x81\x2E.mp3", false, dbcs);
    EXPECT_EQ(p.folder, "C:\\Music\\Band\x95\x5C\\");
    EXPECT_EQ(p.title, "Song\x95\x5C\x81\x2E");
    EXPECT_EQ(p.containing, "Band\x95\x5C");
    EXPECT_EQ(p.parent, "Music");
    p = SplitPath("C:\\Music\\\x81\x2Etrack.one.mp3", true, dbcs);
    EXPECT_EQ(p.title, "\x81\x2Etrack");
    p = SplitPath("C:\\Music\\Song\x81\x2E", false, dbcs);
    EXPECT_EQ(p.title, "Song\x81\x2E");
}

TEST(SplitPath, ShallowAndOddPaths) {
    PathParts p = SplitPath("C:\\song.mp3", false, ascii);
    EXPECT_EQ(p.folder, "C:\\");
    EXPECT_EQ(p.title, "song");
    EXPECT_EQ(p.containing, "");
    EXPECT_EQ(p.parent, "");
    p = SplitPath("C:\\Music\\song.mp3", false, ascii);
    EXPECT_EQ(p.containing, "Music");
    EXPECT_EQ(p.parent, "");
    p = SplitPath("song.mp3", true, ascii);
    EXPECT_EQ(p.folder, "");
    EXPECT_EQ(p.title, "song");
    p = SplitPath("", false, ascii);
    EXPECT_EQ(p.folder, "");
    EXPECT_EQ(p.title, "");
    p = SplitPath("C:\\Music\\", false, ascii);
    EXPECT_EQ(p.folder, "C:\\Music\\");
    EXPECT_EQ(p.title, "");
    EXPECT_EQ(p.containing, "Music");
    p = SplitPath("\\\\server\\share\\x.wav", false, ascii);
    EXPECT_EQ(p.containing, "share");
    EXPECT_EQ(p.parent, "server");
}

TEST(FixCase, ProperCaseOnlyWithoutLowerCaseLetters) {
    AsciiTextCase tc;
    EXPECT_EQ(FixCase("FIRST SONG", tc), "First Song");
    EXPECT_EQ(FixCase("track.one", tc), "track.one");
    EXPECT_EQ(FixCase("Some band", tc), "Some band");
    EXPECT_EQ(FixCase("A\tB\r\nC  D", tc), "A\tB\r\nC  D");
    EXPECT_EQ(FixCase("AB\tCD\r\nEF", tc), "Ab\tCd\r\nEf");
    EXPECT_EQ(FixCase("ROCK-N-ROLL 2", tc), "Rock-n-roll 2");
    EXPECT_EQ(FixCase("", tc), "");
    EXPECT_EQ(FixCase("123", tc), "123");
}

TEST(TrimNull, CutsAtTheFirstNul) {
    EXPECT_EQ(TrimNull(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(TrimNull("abc"), "abc");
    EXPECT_EQ(TrimNull(std::string("\0x", 2)), "");
}

class FillSongTest : public ::testing::Test {
protected:
    MemoryFileSystem fs;
    AsciiTextCase tc;
    Latin1CodePages pages;
    GuessSettings settings{"", false, 3};
    CSong Fill(const std::string& path) {
        CSong s;
        FillSongFromPath(s, path, settings, fs, tc, pages);
        return s;
    }
};

TEST_F(FillSongTest, TagsAreReadByTheStoredTextRuleAndWrittenInTheLegacyCodePage) {
    fs.files["C:\\legacy.mp3"] = std::string(200, 'x') + TagBlock("Caf\xE9", "", "", "", "", 1);
    fs.files["C:\\utf8.mp3"] = std::string(200, 'x') + TagBlock("Caf\xC3\xA9", "", "", "", "", 1);
    EXPECT_EQ(Fill("C:\\legacy.mp3").songTitle, "Caf\xC3\xA9");
    EXPECT_EQ(Fill("C:\\utf8.mp3").songTitle, "Caf\xC3\xA9");

    TagRecord tag;
    tag.title = "Caf\xC3\xA9";
    tag.artist = "\xE6\x9B\xB2 band";  // no place in Latin-1
    const TagRecord legacy = LegacyTag(tag, pages);
    EXPECT_EQ(legacy.title, "Caf\xE9");
    EXPECT_EQ(legacy.artist, "? band");
    EXPECT_EQ(RTrim(ProgramTag(legacy, pages).title), "Caf\xC3\xA9");
}

TEST_F(FillSongTest, GuessesFromTheFoldersWithoutATag) {
    const std::string path = "C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG.MP3";
    CSong s = Fill(path);
    EXPECT_EQ(s.songPath, path);
    EXPECT_EQ(s.songTitle, "First Song");
    EXPECT_EQ(s.songAlbum, "Best Of");
    EXPECT_EQ(s.songArtist, "Some Band");
    EXPECT_EQ(s.songLyrics, "C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG");
    EXPECT_EQ(s.songGenre, 255);
    EXPECT_EQ(s.songYear, "");
    EXPECT_EQ(s.songComments, "");
    EXPECT_EQ(s.songLength, 0);
    settings.lyricsExtension = "txt";
    EXPECT_EQ(Fill(path).songLyrics, "C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG.txt");
    settings.lyricsExtension = std::string("lrc\0junk", 8);
    EXPECT_EQ(Fill(path).songLyrics, "C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG.lrc");
}

TEST_F(FillSongTest, GuessModes) {
    const std::string path = "C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG.MP3";
    settings.guessMode = 1;
    CSong s = Fill(path);
    EXPECT_EQ(s.songArtist, "Best Of");
    EXPECT_EQ(s.songAlbum, "");
    settings.guessMode = 2;
    s = Fill(path);
    EXPECT_EQ(s.songArtist, "");
    EXPECT_EQ(s.songAlbum, "Best Of");
    for (int mode : {0, 4, -1}) {
        settings.guessMode = mode;
        s = Fill(path);
        EXPECT_EQ(s.songArtist, "");
        EXPECT_EQ(s.songAlbum, "");
        EXPECT_EQ(s.songTitle, "First Song");
    }
    settings.guessMode = 1;
    EXPECT_EQ(Fill("C:\\song.mp3").songArtist, "");
}

TEST_F(FillSongTest, DotSettingDecidesTitleAndLyrics) {
    settings.firstDot = true;
    CSong s = Fill("C:\\Music\\Mixed Up\\track.one.mp3");
    EXPECT_EQ(s.songTitle, "track");
    EXPECT_EQ(s.songLyrics, "C:\\Music\\Mixed Up\\track");
    EXPECT_EQ(s.songArtist, "Music");
    EXPECT_EQ(s.songAlbum, "Mixed Up");
    settings.firstDot = false;
    EXPECT_EQ(Fill("C:\\Music\\Mixed Up\\track.one.mp3").songTitle, "track.one");
}

TEST_F(FillSongTest, TagWinsAndOnlyTrailingBlanksAreCut) {
    const std::string path = "C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG.MP3";
    fs.files[path] =
        std::string(1000, 'm') + TagBlock("  Hello   ", "Band", "LP", "2001", "good", 17);
    CSong s = Fill(path);
    EXPECT_EQ(s.songTitle, "  Hello");
    EXPECT_EQ(s.songArtist, "Band");
    EXPECT_EQ(s.songAlbum, "LP");
    EXPECT_EQ(s.songYear, "2001");
    EXPECT_EQ(s.songComments, "good");
    EXPECT_EQ(s.songGenre, 17);
    EXPECT_EQ(s.songLyrics, "C:\\Music\\SOME BAND\\BEST OF\\FIRST SONG");

    fs.files[path] = TagBlock("Hello", "", "", "", "", 255);
    s = Fill(path);
    EXPECT_EQ(s.songTitle, "Hello");
    EXPECT_EQ(s.songArtist, "");  // nothing guessed when there is a tag
    EXPECT_EQ(s.songGenre, 255);

    fs.files[path] = TagBlock("", "", "", "", "", 0);
    s = Fill(path);
    EXPECT_EQ(s.songTitle, "");
    EXPECT_EQ(s.songGenre, 0);
}

TEST_F(FillSongTest, SettingsComeFromTheOptionsRecord) {
    OptionsRecord o = DefaultOptions();
    GuessSettings g = GuessSettingsOf(o);
    EXPECT_EQ(g.lyricsExtension, "");
    EXPECT_TRUE(g.firstDot);
    EXPECT_EQ(g.guessMode, 3);
    o.SetLyricsExtension("txt");
    o.SetFirstDot(false);
    o.SetGuessMode(2);
    g = GuessSettingsOf(o);
    EXPECT_EQ(g.lyricsExtension, "txt");
    EXPECT_FALSE(g.firstDot);
    EXPECT_EQ(g.guessMode, 2);
}

}  // namespace
}  // namespace brambletune
