// Win32ShellService against the real shell: files sent to the Recycle Bin
// leave their folder, recent documents gain a shortcut.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "jukebox/playback/Win32ShellService.h"

namespace brambletune {
namespace {

// Items in the Recycle Bin of every drive.
std::int64_t RecycledItems() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof(info);
    if (SHQueryRecycleBinA(nullptr, &info) != S_OK) return -1;
    return info.i64NumItems;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ShellServiceTest : public ::testing::Test {
protected:
    std::string dir;
    std::vector<std::string> written;
    Win32ShellService shell{nullptr, false};

    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        dir = std::string(temp) + "shell platform " + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
    }
    void TearDown() override {
        for (const auto& path : written) DeleteFileA(path.c_str());
        RemoveDirectoryA(dir.c_str());
    }
    std::string Write(const std::string& name) {
        const std::string path = dir + name;
        std::ofstream(path.c_str(), std::ios::binary) << "song bytes";
        written.push_back(path);
        return path;
    }
};

TEST_F(ShellServiceTest, RecycleRemovesEveryListedFileAndNothingElse) {
    const std::string song = Write("a song.mp3");
    const std::string lyrics = Write("a song.txt");
    const std::string other = Write("another song.mp3");
    const std::int64_t recycledBefore = RecycledItems();
    ASSERT_GE(recycledBefore, 0);

    EXPECT_TRUE(shell.Recycle({song, lyrics}));
    EXPECT_FALSE(Exists(song));
    EXPECT_FALSE(Exists(lyrics));
    EXPECT_TRUE(Exists(other));
    EXPECT_EQ(RecycledItems(), recycledBefore + 2) << "sent to the Recycle Bin, not erased";
}

TEST_F(ShellServiceTest, RecycleOfNothingReportsThatNothingWasDeleted) {
    EXPECT_FALSE(shell.Recycle({}));
    EXPECT_FALSE(shell.Recycle({dir + "never written.mp3"}));
}

TEST_F(ShellServiceTest, RecentDocumentsGainAShortcutToThePath) {
    const std::string album =
        Write("recent platform " + std::to_string(GetCurrentProcessId()) + ".alb");
    char recent[MAX_PATH];
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_RECENT, nullptr, 0, recent), S_OK);
    const std::string link = std::string(recent) + "\\" + album.substr(dir.size()) + ".lnk";
    DeleteFileA(link.c_str());

    shell.AddToRecentDocuments(album);
    EXPECT_TRUE(Exists(link)) << link;
    DeleteFileA(link.c_str());
}

}  // namespace
}  // namespace brambletune
