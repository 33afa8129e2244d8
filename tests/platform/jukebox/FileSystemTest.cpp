// Win32FileSystem, Win32TextCase, Win32CodePages and the album/tag code on a real Windows file
// system.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "jukebox/model/AlbumFile.h"
#include "jukebox/model/CSongList.h"
#include "jukebox/model/MID3.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/Win32CodePages.h"
#include "jukebox/model/Win32FileSystem.h"
#include "jukebox/model/Win32TextCase.h"

namespace brambletune {
namespace {

class NoMessages : public MessageBoxService {
public:
    int Show(const std::string&, const std::string&, std::uint32_t) override {
        ADD_FAILURE() << "no message expected";
        return 1;
    }
    int ShowOwned(std::uintptr_t, const std::string& text, const std::string& caption,
                  std::uint32_t style) override {
        return Show(text, caption, style);
    }
};

class Win32FilesTest : public ::testing::Test {
protected:
    std::string dir;
    Win32FileSystem fs;
    Win32CodePages pages;
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        dir =
            std::string(temp) + "jukebox_platform_" + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
    }
    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((dir + "*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileA((dir + found.cFileName).c_str());
            } while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
    }
    void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream out((dir + name).c_str(), std::ios::binary);
        out << bytes;
    }
    std::string ReadFile(const std::string& name) {
        std::ifstream in((dir + name).c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(Win32FilesTest, ExistenceProbe) {
    WriteFile("a.mp3", "x");
    EXPECT_TRUE(fs.FileExists(dir + "a.mp3"));
    EXPECT_FALSE(fs.FileExists(dir + "missing.mp3"));
    EXPECT_FALSE(fs.FileExists(dir));  // a folder
    EXPECT_FALSE(fs.FileExists(dir.substr(0, dir.size() - 1)));
}

TEST_F(Win32FilesTest, SaveReplacesAnExistingAlbumInOneStep) {
    WriteFile("album.alb", "old contents");
    CSongList list;
    CSong s;
    s.songTitle = "Morning Song";
    s.songPath = "C:\\Music\\Morning Song.mp3";
    s.songComments = "two\r\nlines";
    list.Add(s);
    ASSERT_TRUE(SaveAlbumFile(fs, dir + "album.alb", list, 1, 0, pages));
    EXPECT_EQ(ReadFile("album.alb"),
              "\"Brambl27\",0\r\n1,0,#FALSE#\r\nMorning Song\r\nC:\\Music\\Morning Song.mp3\r\n"
              "\r\n\r\n\r\n\r\n255,0,\"two\r\nlines\",0,0\r\n");
    EXPECT_FALSE(fs.FileExists(dir + "album.alb.new"));

    CSongList back;
    AlbumPosition pos;
    NoMessages messages;
    ASSERT_TRUE(LoadAlbumFile(fs, dir + "album.alb", back, AlbumMode::kOpen, pos, messages, pages));
    ASSERT_EQ(back.nSongs(), 1);
    EXPECT_EQ(back.song(0).songComments, "two\r\nlines");
}

TEST_F(Win32FilesTest, SaveIntoAMissingFolderFailsAndLeavesNothing) {
    CSongList list;
    EXPECT_FALSE(SaveAlbumFile(fs, dir + "no\\such\\folder\\a.alb", list, 1, 0, pages));
}

TEST_F(Win32FilesTest, TargetHeldOpenIsNotDestroyed) {
    // Another program holds the album open without sharing delete access: the
    // replacement fails and the old album stays as it was. (A read-only target
    // would do on Windows, but Wine's MoveFileEx replaces read-only files.)
    WriteFile("held.alb", "old contents");
    HANDLE held = CreateFileA((dir + "held.alb").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    CSongList list;
    const bool saved = SaveAlbumFile(fs, dir + "held.alb", list, 1, 0, pages);
    CloseHandle(held);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile("held.alb"), "old contents");
    EXPECT_FALSE(fs.FileExists(dir + "held.alb.new"));
}

TEST_F(Win32FilesTest, ReadTagOnRealFiles) {
    std::string block(128, '\0');
    block.replace(0, 3, "TAG");
    block.replace(3, 5, "Hello");
    block[127] = 17;
    WriteFile("tagged.mp3", std::string(1000, 'a') + block);
    WriteFile("short.mp3", block.substr(0, 100));
    TagRecord tag;
    ASSERT_TRUE(ReadTag(fs, dir + "tagged.mp3", tag));
    EXPECT_EQ(tag.title, "Hello" + std::string(25, ' '));
    EXPECT_EQ(tag.genre, 17);
    EXPECT_FALSE(ReadTag(fs, dir + "short.mp3", tag));
    EXPECT_FALSE(ReadTag(fs, dir + "missing.mp3", tag));
    EXPECT_FALSE(ReadTag(fs, dir, tag));
}

TEST(Win32TextCase, UsesTheAnsiCodePage) {
    Win32TextCase tc;
    EXPECT_EQ(tc.Lower("ABC xyz 123"), "abc xyz 123");
    EXPECT_EQ(tc.Upper("abc XYZ 123"), "ABC XYZ 123");
    if (GetACP() == 1252) {
        EXPECT_EQ(tc.Lower("\xC0\xC9"), "\xE0\xE9");
        EXPECT_EQ(tc.Upper("\xE0\xE9"), "\xC0\xC9");
    } else {
        GTEST_LOG_(INFO) << "ANSI code page " << GetACP() << ": accented letters not checked";
    }
    EXPECT_EQ(FixCase("SOME BAND", tc), "Some Band");
}

// A thread cannot switch the ANSI code page, so only what the default one says
// is checked: ASCII bytes never start a character, and in a single-byte code
// page no byte does.
TEST(Win32TextCase, LeadBytesFollowTheDefaultCodePage) {
    Win32TextCase tc;
    CPINFO info{};
    ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
    const int last = info.MaxCharSize == 1 ? 0xFF : 0x7F;
    for (int c = 0; c <= last; ++c) EXPECT_FALSE(tc.IsLeadByte(static_cast<char>(c))) << c;
    if (info.MaxCharSize != 1)
        GTEST_LOG_(INFO) << "ANSI code page " << GetACP() << ": lead bytes above 0x7F not checked";
}

// The test program has no manifest: its code page is the legacy one, so UTF-8
// text is converted both ways and what the page cannot hold is lost as "?".
TEST(Win32CodePages, ConvertsBetweenUtf8AndTheLegacyCodePage) {
    const Win32CodePages pages;
    EXPECT_EQ(pages.ProgramCodePage(), GetACP());
    EXPECT_EQ(pages.LegacyCodePage(), GetACP());
    if (GetACP() != 1252) {
        GTEST_LOG_(INFO) << "ANSI code page " << GetACP() << ": Western letters not checked";
        return;
    }
    std::string out;
    EXPECT_TRUE(pages.ToProgram("Caf\xC3\xA9", StoredCodePage::kUtf8, out));
    EXPECT_EQ(out, "Caf\xE9");
    EXPECT_FALSE(pages.ToProgram("\xE6\x9B\xB2.wav", StoredCodePage::kUtf8, out));
    EXPECT_EQ(out, "?.wav");
    EXPECT_EQ(pages.FromProgram("Caf\xE9", StoredCodePage::kUtf8), "Caf\xC3\xA9");
    EXPECT_EQ(pages.FromProgram("Caf\xE9", StoredCodePage::kLegacy), "Caf\xE9");
}

}  // namespace
}  // namespace brambletune
