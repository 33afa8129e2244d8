// GetLongPath over the real short and long names of a Windows file system.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "jukebox/console/LongPath.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/playback/Win32PathNames.h"

namespace brambletune {
namespace {

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH];
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : "";
}

// A folder with a long name right below the root, so that the short form of
// the file in it is upper case all through, as the shell passes it; the
// system folders of a Wine prefix are stored in lower or mixed case.
class LongPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = "C:\\Brambletune Long Folder " + std::to_string(GetCurrentProcessId()) + "\\";
        file = folder + "Track Number One.wav";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << GetLastError();
        const HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << GetLastError();
        CloseHandle(h);
    }
    void TearDown() override {
        DeleteFileA(file.c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string Long(const std::string& path) const { return GetLongPath(paths, textCase, path); }

    std::string folder;
    std::string file;
    Win32PathNames paths;
    Win32TextCase textCase;
};

TEST_F(LongPathTest, ShortFormOfARealFileAndFolderComesBackInTheirStoredNames) {
    const std::string shortFile = ShortForm(file);
    ASSERT_NE(shortFile, file);
    ASSERT_EQ(shortFile, textCase.Upper(shortFile)) << "the test needs a purely short path";
    EXPECT_EQ(Long(shortFile), file) << shortFile;
    EXPECT_EQ(paths.LongName(shortFile), "Track Number One.wav");

    const std::string shortFolder = ShortForm(folder);
    ASSERT_EQ(shortFolder.back(), '\\');
    EXPECT_EQ(Long(shortFolder), folder) << shortFolder;
}

TEST_F(LongPathTest, ShortNameBelowMixedCaseFoldersIsLeftAsItIs) {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    const std::string tempFile = std::string(temp) + "Brambletune Long Name.wav";
    const HANDLE h = CreateFileA(tempFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << GetLastError();
    CloseHandle(h);
    const std::string shortFile = ShortForm(tempFile);
    DeleteFileA(tempFile.c_str());
    ASSERT_NE(shortFile, textCase.Upper(shortFile)) << "expected a mixed-case temp folder";
    EXPECT_EQ(Long(shortFile), shortFile);
}

TEST_F(LongPathTest, MissingNameHasNoLongName) {
    EXPECT_EQ(paths.LongName(folder + "NOFILE~1.WAV"), "");
    EXPECT_EQ(paths.LongName("C:"), "") << "a drive is not a component";
    EXPECT_EQ(Long("C:\\NOFOLD~1\\NOFILE~1.WAV"), "C:\\NOFOLD~1\\NOFILE~1.WAV");
}

}  // namespace
}  // namespace brambletune
