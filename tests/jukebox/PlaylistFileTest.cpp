// Playlists of other players read, and the M3U8 playlist written.
#include "jukebox/model/PlaylistFile.h"

#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/Latin1CodePages.h"

namespace brambletune {
namespace {

using testing::Latin1CodePages;
using Paths = std::vector<std::string>;

const std::string kFolder = "C:\\Lists\\";
const testing::AsciiTextCase kTextCase;
const std::string kCafe = "Caf\xC3\xA9";       // UTF-8
const std::string kJapanese = "\xE6\x9B\xB2";  // no place in Latin-1
const std::string kBom = "\xEF\xBB\xBF";

TEST(ReadPlaylist, LineListsInEveryEncodingAndLineEnd) {
    const Latin1CodePages utf8Program;
    const struct {
        std::string name, bytes;
        Paths paths;
    } cases[] = {
        {"x.m3u",
         "#EXTM3U\r\n#EXTINF:5,A - B\r\na.mp3\r\n\r\n  \r\nD:\\b.mp3\r\n",
         {kFolder + "a.mp3", "D:\\b.mp3"}},
        {"x.m3u",
         "a.mp3\nsub/b.mp3\rc.mp3",
         {kFolder + "a.mp3", kFolder + "sub\\b.mp3", kFolder + "c.mp3"}},
        {"x.m3u", "Caf\xE9.mp3\n", {kFolder + kCafe + ".mp3"}},            // legacy
        {"x.m3u", kCafe + ".mp3\n", {kFolder + kCafe + ".mp3"}},           // valid UTF-8
        {"x.m3u", kBom + kCafe + ".mp3\r\n", {kFolder + kCafe + ".mp3"}},  // BOM
        // The extension says UTF-8 in any case.
        {"X.M3U8", kCafe + ".mp3\r\n", {kFolder + kCafe + ".mp3"}},
        {"list.txt",
         "\\\\server\\s\\a.mp3\r\n\\top\\b.mp3\r\n",
         {"\\\\server\\s\\a.mp3", "C:\\top\\b.mp3"}},
        {"empty.m3u", "", {}},
    };
    for (const auto& c : cases) {
        const PlaylistEntries read = ReadPlaylist(c.bytes, c.name, kFolder, utf8Program, kTextCase);
        EXPECT_EQ(read.paths, c.paths) << c.bytes;
        EXPECT_EQ(read.leftOut, 0) << c.bytes;
    }
}

TEST(ReadPlaylist, PlsEntriesInNumberOrderWithGaps) {
    const Latin1CodePages utf8Program;
    const std::string pls =
        "[Playlist]\r\nNumberOfEntries=3\r\nFile10=ten.mp3\r\nTitle10=Ten\r\nFile2=D:\\two.mp3\r\n"
        "Length2=-1\r\nfile7=seven.mp3\r\nFile2=again.mp3\r\nFileX=no.mp3\r\nVersion=2\r\n";
    EXPECT_EQ(ReadPlaylist(pls, "x.pls", kFolder, utf8Program, kTextCase).paths,
              (Paths{"D:\\two.mp3", kFolder + "seven.mp3", kFolder + "ten.mp3"}));
    EXPECT_EQ(ReadPlaylist(kBom + "[playlist]\nFile1=" + kCafe + ".mp3\n", "x.pls", kFolder,
                           utf8Program, kTextCase)
                  .paths,
              Paths{kFolder + kCafe + ".mp3"});
    // Without the first line it is a plain list of two odd file names.
    EXPECT_EQ(ReadPlaylist("File1=a.mp3\n[playlist]\n", "x.pls", kFolder, utf8Program, kTextCase)
                  .paths.size(),
              2u);
}

TEST(ReadPlaylist, NamesTheProgramsCodePageCannotHoldAreLeftOutAndCounted) {
    const Latin1CodePages legacyProgram(false);
    const std::string m3u8 = kJapanese + ".mp3\r\n" + kCafe + ".mp3\r\n" + kJapanese + "2.mp3\r\n";
    const PlaylistEntries read = ReadPlaylist(m3u8, "x.m3u8", kFolder, legacyProgram, kTextCase);
    EXPECT_EQ(read.paths, Paths{kFolder + "Caf\xE9.mp3"});
    EXPECT_EQ(read.leftOut, 2);
    // The same list under the UTF-8 code page keeps every entry.
    EXPECT_EQ(ReadPlaylist(m3u8, "x.m3u8", kFolder, Latin1CodePages(), kTextCase).paths.size(), 3u);
}

TEST(WriteM3u8, BomHeaderInfoLinesAndPathsInUtf8) {
    const std::vector<PlaylistSong> songs = {
        {"C:\\M\\" + kCafe + ".mp3", "Band", kCafe, 185},
        {"C:\\M\\b.wav", "", "Only\r\ntitle", 0},
    };
    const std::string expected = kBom +
                                 "#EXTM3U\r\n"
                                 "#EXTINF:185,Band - " +
                                 kCafe +
                                 "\r\n"
                                 "C:\\M\\" +
                                 kCafe +
                                 ".mp3\r\n"
                                 "#EXTINF:-1,Only  title\r\n"
                                 "C:\\M\\b.wav\r\n";
    EXPECT_EQ(WriteM3u8(songs, Latin1CodePages()), expected);
    std::vector<PlaylistSong> legacy = songs;
    legacy[0] = {"C:\\M\\Caf\xE9.mp3", "Band", "Caf\xE9", 185};
    EXPECT_EQ(WriteM3u8(legacy, Latin1CodePages(false)), expected);

    // What is written reads back as the same paths.
    EXPECT_EQ(ReadPlaylist(expected, "out.m3u8", kFolder, Latin1CodePages(), kTextCase).paths,
              (Paths{songs[0].path, songs[1].path}));
}

}  // namespace
}  // namespace brambletune
