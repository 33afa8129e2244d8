#include "jukebox/console/LongPath.h"

#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/playback/doubles/ScriptedMci.h"

namespace brambletune {
namespace {

using testing::AsciiTextCase;
using testing::DbcsTextCase;
using testing::TablePathNames;

// C:\Program Files\Songs Folder\Track One.mp3, whose short form is
// C:\PROGRA~1\SONGS~1\TRACK~1.MP3. The system gives an existing purely short
// path back as it is, and keeps 8.3-sized names in the case they were typed.
class LongPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* shortPath :
             {"C:\\PROGRA~1", "C:\\PROGRA~1\\SONGS~1", "C:\\PROGRA~1\\SONGS~1\\TRACK~1.MP3"})
            paths.shortForms[shortPath] = shortPath;
        paths.longNames = {{"C:\\PROGRA~1", "Program Files"},
                           {"C:\\PROGRA~1\\SONGS~1", "Songs Folder"},
                           {"C:\\PROGRA~1\\SONGS~1\\TRACK~1.MP3", "Track One.mp3"}};
        paths.shortForms["C:\\Program Files\\Songs Folder\\Track One.mp3"] =
            "C:\\PROGRA~1\\SONGS~1\\TRACK~1.MP3";
        paths.shortForms["C:\\PROGRA~1\\SONGS~1\\Track.mp3"] = "C:\\PROGRA~1\\SONGS~1\\Track.mp3";
    }

    std::string Long(const std::string& path) const { return GetLongPath(paths, textCase, path); }

    TablePathNames paths;
    AsciiTextCase textCase;
};

TEST_F(LongPathTest, ShortPathBecomesLongComponentByComponent) {
    EXPECT_EQ(Long("C:\\PROGRA~1\\SONGS~1\\TRACK~1.MP3"),
              "C:\\Program Files\\Songs Folder\\Track One.mp3");
    EXPECT_EQ(Long("C:\\PROGRA~1"), "C:\\Program Files");
}

TEST_F(LongPathTest, TrailingBackslashIsKept) {
    EXPECT_EQ(Long("C:\\PROGRA~1\\SONGS~1\\"), "C:\\Program Files\\Songs Folder\\");
    EXPECT_EQ(Long("C:\\"), "C:\\");
}

TEST_F(LongPathTest, PathThatIsNotPurelyShortComesBackAsGiven) {
    EXPECT_EQ(Long("C:\\Program Files\\Songs Folder\\Track One.mp3"),
              "C:\\Program Files\\Songs Folder\\Track One.mp3");
    // Its short parent folders are not converted either.
    EXPECT_EQ(Long("C:\\PROGRA~1\\SONGS~1\\Track.mp3"), "C:\\PROGRA~1\\SONGS~1\\Track.mp3");
}

TEST_F(LongPathTest, MissingFileIsPassedOnUnchanged) {
    EXPECT_EQ(Long("C:\\PROGRA~1\\SONGS~1\\MISSIN~1.MP3"), "C:\\PROGRA~1\\SONGS~1\\MISSIN~1.MP3");
    EXPECT_EQ(Long("\"C:\\PROGRA~1\\SONGS~1\\TRACK~1.MP3\""),
              "\"C:\\PROGRA~1\\SONGS~1\\TRACK~1.MP3\"");
    EXPECT_EQ(Long("TRACK~1.MP3"), "TRACK~1.MP3");
    EXPECT_EQ(Long(""), "");
}

TEST(ParentPathTest, TextUpToTheLastBackslash) {
    const AsciiTextCase ascii;
    EXPECT_EQ(ParentPath("C:\\Music\\Song.mp3", ascii), "C:\\Music\\");
    EXPECT_EQ(ParentPath("C:\\Music\\", ascii), "C:\\Music\\");
    EXPECT_EQ(ParentPath("Song.mp3", ascii), "");
}

// "\x95\x5C" is one character in a code page like 932, not a letter and a backslash.
TEST(ParentPathTest, TrailByteIsNotABackslash) {
    const DbcsTextCase dbcs;
    EXPECT_EQ(ParentPath("C:\\Music\\Song\x95\x5C.mp3", dbcs), "C:\\Music\\");
    EXPECT_EQ(ParentPath("Song\x95\x5C", dbcs), "");
}

}  // namespace
}  // namespace brambletune
