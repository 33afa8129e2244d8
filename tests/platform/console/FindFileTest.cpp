// The folder search on a real folder tree, through the Win32 listing, message
// pump and cursor.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "jukebox/console/MFindFile.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/console/Win32DirectoryListing.h"
#include "jukebox/console/Win32MessagePump.h"
#include "jukebox/console/Win32MousePointer.h"

namespace brambletune {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class FindFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        root =
            std::string(temp) + "jukebox_findfile_" + std::to_string(GetCurrentProcessId()) + "\\";
        std::filesystem::remove_all(root);
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr)) << GetLastError();
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    void Folder(const std::string& path) {
        ASSERT_TRUE(CreateDirectoryA((root + path).c_str(), nullptr)) << path;
    }
    void File(const std::string& path) { std::ofstream((root + path).c_str()) << "x"; }

    // The paths found, relative to root.
    std::vector<std::string> Search(const std::string& folder, const std::string& patterns) {
        finder.FindFiles(folder, patterns, folders, files);
        std::vector<std::string> found(finder.FoundFiles.begin(),
                                       finder.FoundFiles.begin() + finder.FoundFileCount);
        for (std::string& path : found) path.erase(0, root.size());
        return found;
    }

    std::string root;
    Win32DirectoryListing listing;
    Win32MessagePump pump;
    Win32MousePointer pointer;
    Win32TextCase textCase;
    MFindFile finder{listing, pump, pointer, textCase};
    std::int32_t folders = -1;
    std::int32_t files = -1;
};

TEST_F(FindFileTest, ListingMarksFoldersAndMatchesTheWildcard) {
    Folder("Album");
    File("one.mp3");
    File("notes.txt");

    std::vector<DirectoryEntry> all = listing.List(root + "*");
    std::vector<std::string> folderNames;
    for (const DirectoryEntry& entry : all) {
        if (entry.isFolder) folderNames.push_back(entry.name);
    }
    EXPECT_THAT(folderNames, UnorderedElementsAre(".", "..", "Album"));
    EXPECT_EQ(all.size(), 5u);

    const std::vector<DirectoryEntry> mp3 = listing.List(root + "*.mp3");
    ASSERT_EQ(mp3.size(), 1u);
    EXPECT_EQ(mp3[0].name, "one.mp3");
    EXPECT_FALSE(mp3[0].isFolder);
    EXPECT_TRUE(listing.List(root + "Missing\\*").empty());
}

TEST_F(FindFileTest, WildcardExtensionsFindLongerExtensions) {
    Folder("Sub");
    File("a.mpe");
    File("b.mpeg");
    File("c.mpg");
    File("Sub\\d.mpeg");
    File("s.aif");
    File("s.aiff");
    File("s.aifc");
    File("s.au");

    std::vector<std::string> mpe = Search(root, "*.mpe*;");
    ASSERT_EQ(mpe.size(), 3u);
    EXPECT_THAT(std::vector<std::string>(mpe.begin(), mpe.begin() + 2),
                UnorderedElementsAre("a.mpe", "b.mpeg"));
    EXPECT_EQ(mpe[2], "Sub\\d.mpeg") << "the sub-folder comes after the start folder";
    EXPECT_EQ(folders, 2);

    EXPECT_THAT(Search(root, "*.aif*;"), UnorderedElementsAre("s.aif", "s.aiff", "s.aifc"));
}

TEST_F(FindFileTest, DotFoldersAreSkippedAndMissingFoldersFindNothing) {
    Folder(".hidden");
    File(".hidden\\secret.mp3");
    Folder("Album");
    File("Album\\one.mp3");

    EXPECT_THAT(Search(root.substr(0, root.size() - 1), "*.mp2;*.mp3;"),
                ElementsAre("Album\\one.mp3"));
    EXPECT_EQ(folders, 2);

    Search(root + "Missing", "*.mp3;");
    EXPECT_EQ(files, 0);
    EXPECT_EQ(folders, 1);
}

// Fired by the message pump when its WM_TIMER is dispatched.
int g_timerTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    ++g_timerTicks;
}

TEST(Win32MessagePumpTest, DispatchesPendingMessages) {
    Win32MessagePump pump;
    g_timerTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, CountTick);
    ASSERT_NE(timer, 0u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (g_timerTicks == 0 && std::chrono::steady_clock::now() < deadline) {
        pump.ProcessPendingMessages();
        Sleep(5);
    }
    KillTimer(nullptr, timer);
    EXPECT_GT(g_timerTicks, 0);

    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    pump.ProcessPendingMessages();
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
}

TEST(Win32MessagePumpTest, QuitIsLeftForTheMessageLoop) {
    Win32MessagePump pump;
    PostQuitMessage(7);
    pump.ProcessPendingMessages();
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
}  // namespace brambletune
