// The common dialogs' text: the filter string handed in and the file buffer
// handed back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/playback/FileDialogText.h"

namespace brambletune {
namespace {

using namespace std::string_literals;

const testing::AsciiTextCase ascii{};

// The dialog leaves its buffer zero-filled after the text it wrote.
std::string DialogBuffer(const std::string& text) {
    return text + std::string(64, '\0');
}

TEST(FileDialogTextTest, FilterPairsAreNulSeparatedAndEndWithTwoNuls) {
    const std::vector<FileFilter> filters = {{"Brambletune Album", "*.alb"},
                                             {"Mpeg Audio", "*.mp2;*.mp3;"}};
    EXPECT_EQ(BuildDialogFilter(filters),
              "Brambletune Album\0*.alb\0Mpeg Audio\0*.mp2;*.mp3;\0\0"s);
    EXPECT_EQ(BuildDialogFilter({}), "");
}

TEST(FileDialogTextTest, SingleChoiceIsSplitAtTheLastBackslash) {
    FileDialogResult result;
    ASSERT_TRUE(ParseDialogFiles(DialogBuffer("C:\\Music\\Rock\\song.mp3"), ascii, result));
    EXPECT_EQ(result.folder, "C:\\Music\\Rock\\");
    EXPECT_EQ(result.names, std::vector<std::string>{"song.mp3"});

    ASSERT_TRUE(ParseDialogFiles(DialogBuffer("D:\\list.alb"), ascii, result));
    EXPECT_EQ(result.folder, "D:\\");
    EXPECT_EQ(result.names, std::vector<std::string>{"list.alb"});
}

TEST(FileDialogTextTest, SeveralChoicesFollowTheFolderInTheDialogsOrder) {
    FileDialogResult result;
    ASSERT_TRUE(
        ParseDialogFiles(DialogBuffer("C:\\Music\0b.mp3\0a.wav\0c d.mid\0"s), ascii, result));
    EXPECT_EQ(result.folder, "C:\\Music\\");
    EXPECT_EQ(result.names, (std::vector<std::string>{"b.mp3", "a.wav", "c d.mid"}));
}

// "\x95\x5C" is one character in a code page like 932, not a letter and a backslash.
TEST(FileDialogTextTest, TrailByteIsNotABackslash) {
    const testing::DbcsTextCase dbcs;
    FileDialogResult result;
    ASSERT_TRUE(ParseDialogFiles(DialogBuffer("C:\\Music\\\x95\x5Csong.mp3"), dbcs, result));
    EXPECT_EQ(result.folder, "C:\\Music\\");
    EXPECT_EQ(result.names, std::vector<std::string>{"\x95\x5Csong.mp3"});

    ASSERT_TRUE(ParseDialogFiles(DialogBuffer("C:\\\x95\x5C\0one.mp3\0"s), dbcs, result));
    EXPECT_EQ(result.folder, "C:\\\x95\x5C\\");
}

TEST(FileDialogTextTest, DriveRootKeepsItsOneBackslash) {
    FileDialogResult result;
    ASSERT_TRUE(ParseDialogFiles(DialogBuffer("E:\\\0one.mp3\0two.mp3\0"s), ascii, result));
    EXPECT_EQ(result.folder, "E:\\");
    EXPECT_EQ(result.names, (std::vector<std::string>{"one.mp3", "two.mp3"}));
}

TEST(FileDialogTextTest, BufferWithoutANameGivesNoResult) {
    FileDialogResult result;
    result.folder = "C:\\old\\";
    result.names = {"old.mp3"};
    EXPECT_FALSE(ParseDialogFiles(DialogBuffer(""), ascii, result));
    EXPECT_TRUE(result.names.empty());
    EXPECT_FALSE(ParseDialogFiles(DialogBuffer("C:\\Music\\"), ascii, result));
}

}  // namespace
}  // namespace brambletune
