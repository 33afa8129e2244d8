#include "jukebox/console/MFindFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "jukebox/console/MemoryDirectoryListing.h"
#include "jukebox/doubles/AsciiTextCase.h"

namespace brambletune {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::MemoryDirectoryListing;

class CountingPump : public MessagePump {
public:
    void ProcessPendingMessages() override {
        ++calls;
        if (onPump) onPump();
    }
    int calls = 0;
    std::function<void()> onPump;
};

class LoggedPointer : public MousePointer {
public:
    void ShowHourglass() override { log += "W"; }
    void ShowDefault() override { log += "D"; }
    std::string log;
};

class MFindFileTest : public ::testing::Test {
protected:
    MemoryDirectoryListing disk;
    CountingPump pump;
    LoggedPointer pointer;
    testing::DbcsTextCase textCase;
    MFindFile finder{disk, pump, pointer, textCase};
    std::int32_t folders = -1;
    std::int32_t files = -1;

    std::vector<std::string> Found() const {
        return {finder.FoundFiles.begin(), finder.FoundFiles.begin() + finder.FoundFileCount};
    }
};

TEST(SplitPatternsTest, TakesOnlyTerminatedItemsAndStopsAtTheFirstEmptyOne) {
    EXPECT_THAT(SplitPatterns("*.mp2;*.mp3;"), ElementsAre("*.mp2", "*.mp3"));
    EXPECT_THAT(SplitPatterns("*.mp2;*.mp3"), ElementsAre("*.mp2", "*.mp3"))
        << "the appended ';' completes the last pattern";
    EXPECT_THAT(SplitPatterns("*.ra;;*.rm;"), ElementsAre("*.ra"));
    EXPECT_THAT(SplitPatterns(";*.rm;"), IsEmpty());
    EXPECT_THAT(SplitPatterns(""), IsEmpty());
}

TEST_F(MFindFileTest, AllMpegAudioInTheOnlySubFolder) {
    disk.AddFolder("C:\\Music\\");
    disk.AddFolder("C:\\Music\\Album\\");
    disk.AddFile("C:\\Music\\Album\\", "one.mp3");
    disk.AddFile("C:\\Music\\Album\\", "cover.jpg");
    disk.AddFile("C:\\Music\\Album\\", "two.mp3");

    finder.FindFiles("C:\\Music", "*.mp2;*.mp3;", folders, files);

    EXPECT_EQ(files, 2);
    EXPECT_EQ(folders, 2) << "the start folder counts";
    EXPECT_EQ(finder.FoundFolderCount, 1);
    EXPECT_THAT(Found(), ElementsAre("C:\\Music\\Album\\one.mp3", "C:\\Music\\Album\\two.mp3"));
    EXPECT_EQ(pump.calls, 4) << "twice per folder";
    EXPECT_EQ(pointer.log, "WD");
}

TEST_F(MFindFileTest, StartFolderWithOrWithoutTrailingBackslash) {
    disk.AddFolder("C:\\Music\\");
    disk.AddFile("C:\\Music\\", "a.mp3");
    disk.AddFolder("C:\\Music\\Sub\\");
    disk.AddFile("C:\\Music\\Sub\\", "b.mp3");

    finder.FindFiles("C:\\Music", "*.mp3;", folders, files);
    const std::vector<std::string> without = Found();
    finder.FindFiles("C:\\Music\\", "*.mp3;", folders, files);

    EXPECT_THAT(without, ElementsAre("C:\\Music\\a.mp3", "C:\\Music\\Sub\\b.mp3"));
    EXPECT_EQ(Found(), without);
    EXPECT_EQ(folders, 2) << "a second search starts from zero";
    EXPECT_EQ(files, 2);
}

TEST_F(MFindFileTest, DepthFirstWithMatchesGroupedByPatternBeforeSubFolders) {
    disk.AddFolder("C:\\M\\");
    disk.AddFolder("C:\\M\\b\\");
    disk.AddFile("C:\\M\\", "x.mp3");
    disk.AddFolder("C:\\M\\a\\");
    disk.AddFile("C:\\M\\", "y.mp2");
    disk.AddFile("C:\\M\\", "z.mp3");
    disk.AddFile("C:\\M\\b\\", "b1.mp3");
    disk.AddFolder("C:\\M\\b\\c\\");
    disk.AddFile("C:\\M\\b\\c\\", "c1.mp2");
    disk.AddFile("C:\\M\\a\\", "a1.mp3");

    finder.FindFiles("C:\\M\\", "*.mp2;*.mp3", folders, files);

    EXPECT_THAT(Found(),
                ElementsAre("C:\\M\\y.mp2", "C:\\M\\x.mp3", "C:\\M\\z.mp3", "C:\\M\\b\\b1.mp3",
                            "C:\\M\\b\\c\\c1.mp2", "C:\\M\\a\\a1.mp3"));
    EXPECT_EQ(folders, 4);
    EXPECT_EQ(files, 6);
}

TEST_F(MFindFileTest, FileMatchedByTwoPatternsIsFoundTwice) {
    disk.AddFolder("C:\\M\\");
    disk.AddFile("C:\\M\\", "song.mp3");

    finder.FindFiles("C:\\M\\", "*.mp3;song.*;", folders, files);

    EXPECT_THAT(Found(), ElementsAre("C:\\M\\song.mp3", "C:\\M\\song.mp3"));
}

TEST_F(MFindFileTest, PatternListCutShortByAnEmptyItem) {
    disk.AddFolder("C:\\M\\");
    disk.AddFile("C:\\M\\", "a.ra");
    disk.AddFile("C:\\M\\", "b.rm");
    disk.AddFolder("C:\\M\\Sub\\");

    finder.FindFiles("C:\\M\\", "*.ra;;*.rm;", folders, files);
    EXPECT_THAT(Found(), ElementsAre("C:\\M\\a.ra"));

    finder.FindFiles("C:\\M\\", "", folders, files);
    EXPECT_EQ(files, 0);
    EXPECT_EQ(folders, 2) << "folders are still walked without patterns";
}

TEST_F(MFindFileTest, FoldersBeginningWithADotAreNotEntered) {
    disk.AddFolder("C:\\M\\");
    disk.AddFolder("C:\\M\\.hidden\\");
    disk.AddFile("C:\\M\\.hidden\\", "secret.mp3");
    disk.AddFile("C:\\M\\", ".dotfile.mp3");

    finder.FindFiles("C:\\M", "*.mp3;", folders, files);

    EXPECT_THAT(Found(), ElementsAre("C:\\M\\.dotfile.mp3")) << "only folders are skipped";
    EXPECT_EQ(folders, 1);
    for (const std::string& path : disk.listed) {
        EXPECT_EQ(path.find(".hidden"), std::string::npos) << path;
    }
}

TEST_F(MFindFileTest, SearchStartedWhileOneRunsIsRefused) {
    disk.AddFolder("C:\\M\\");
    disk.AddFile("C:\\M\\", "a.mp3");
    disk.AddFolder("C:\\Other\\");
    disk.AddFile("C:\\Other\\", "b.mp3");
    std::int32_t nestedFolders = -1;
    std::int32_t nestedFiles = -1;
    bool dropped = false;
    pump.onPump = [&] {
        if (dropped) return;
        dropped = true;
        finder.FindFiles("C:\\Other\\", "*.mp3;", nestedFolders, nestedFiles);
    };

    finder.FindFiles("C:\\M\\", "*.mp3;", folders, files);

    EXPECT_EQ(nestedFolders, 0);
    EXPECT_EQ(nestedFiles, 0);
    EXPECT_THAT(Found(), ElementsAre("C:\\M\\a.mp3"));
    EXPECT_EQ(files, 1);
    EXPECT_EQ(pointer.log, "WD");

    pump.onPump = nullptr;
    finder.FindFiles("C:\\Other\\", "*.mp3;", folders, files);
    EXPECT_THAT(Found(), ElementsAre("C:\\Other\\b.mp3")) << "the guard ends with the search";
}

TEST_F(MFindFileTest, AFolderEndingInATrailByte0x5CStillGetsItsSeparator) {
    const std::string folder = "C:\\\x95\x5C";  // one double-byte character after "C:\"
    finder.FindFiles(folder, "*.mp3;", folders, files);
    ASSERT_FALSE(disk.listed.empty());
    EXPECT_EQ(disk.listed.front(), folder + "\\*");
}

}  // namespace
}  // namespace brambletune
