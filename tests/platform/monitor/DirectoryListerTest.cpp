#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "monitor/watch/FolderAvailability.h"
#include "monitor/watch/Win32DirectoryLister.h"

namespace vigilon {
namespace {

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "vigilon-lister-" + std::to_string(GetCurrentProcessId()) +
                "-" + std::to_string(counter_++);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(path_); }
    const std::string& Path() const { return path_; }

    std::string Make(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const {
        const std::string full = path_ + "\\" + name;
        HANDLE h = CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes,
                               nullptr);
        EXPECT_NE(h, INVALID_HANDLE_VALUE) << full;
        CloseHandle(h);
        return full;
    }

private:
    static void RemoveTree(const std::string& dir) {
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &data);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name == "." || name == "..") continue;
                const std::string full = dir + "\\" + name;
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(full);
                } else {
                    DeleteFileA(full.c_str());
                }
            } while (FindNextFileA(h, &data));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
    }
    static inline int counter_ = 0;
    std::string path_;
};

// Packs a local time by hand: the reference the listing is checked against.
std::int32_t PackedLocalTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA info;
    EXPECT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info));
    SYSTEMTIME utc, local;
    FileTimeToSystemTime(&info.ftLastWriteTime, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    const unsigned date = ((local.wYear - 1980u) << 9) | (local.wMonth << 5) | local.wDay;
    const unsigned time = (local.wHour << 11) | (local.wMinute << 5) | (local.wSecond / 2u);
    return static_cast<std::int32_t>((date << 16) | time);
}

void SetWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute,
                  WORD second) {
    SYSTEMTIME st{year, month, 0, day, hour, minute, second, 0};
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

std::vector<std::string> Names(const std::vector<DirEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Win32DirectoryLister, ListsEveryKindOfEntryOneLevelDeep) {
    TempFolder folder;
    folder.Make("plain.txt");
    folder.Make("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    folder.Make("system.dat", FILE_ATTRIBUTE_SYSTEM);
    folder.Make("read only.txt", FILE_ATTRIBUTE_READONLY);
    CreateDirectoryA((folder.Path() + "\\sub").c_str(), nullptr);
    folder.Make("sub\\inner.txt");

    std::vector<DirEntry> entries;
    ASSERT_EQ(Win32DirectoryLister().List(folder.Path() + "\\*.*", entries), kListed);
    const std::vector<std::string> expected{
        ".", "..", "hidden.txt", "plain.txt", "read only.txt", "sub", "system.dat"};
    EXPECT_EQ(Names(entries), expected);
}

TEST(Win32DirectoryLister, TimeIsPackedLocalLastWriteTime) {
    TempFolder folder;
    const std::string file = folder.Make("dated.txt");
    SetWriteTime(file, 2019, 7, 14, 13, 37, 42);
    const std::string old = folder.Make("old.txt");
    SetWriteTime(old, 1995, 1, 2, 3, 4, 5);

    std::vector<DirEntry> entries;
    ASSERT_EQ(Win32DirectoryLister().List(folder.Path() + "\\*.*", entries), kListed);
    int checked = 0;
    for (const auto& e : entries) {
        if (e.name == "." || e.name == "..") continue;
        EXPECT_EQ(e.dosTime, PackedLocalTime(folder.Path() + "\\" + e.name)) << e.name;
        EXPECT_GT(e.dosTime, 0) << e.name;
        ++checked;
    }
    EXPECT_EQ(checked, 2);
}

std::int32_t PackedDosTime(unsigned year, unsigned month, unsigned day, unsigned hour) {
    return static_cast<std::int32_t>(((year - 1980u) << 25) | (month << 21) | (day << 16) |
                                     (hour << 11));
}

// Run with TZ=Europe/Berlin: one hour ahead of UTC in winter, two in summer.
// Whatever the season today, each file keeps the local time of its own date,
// so a clock change changes no listed time.
TEST(Win32DirectoryLister, EachTimeFollowsTheDaylightRuleOfItsOwnDate) {
    const char* zone = std::getenv("TZ");
    if (zone == nullptr || std::string(zone) != "Europe/Berlin") GTEST_SKIP() << "needs TZ";
    TempFolder folder;
    SetWriteTime(folder.Make("winter.txt"), 2026, 1, 15, 11, 0, 0);
    SetWriteTime(folder.Make("summer.txt"), 2026, 7, 15, 11, 0, 0);
    std::vector<DirEntry> entries;
    ASSERT_EQ(Win32DirectoryLister().List(folder.Path() + "\\*.txt", entries), kListed);
    ASSERT_EQ(entries.size(), 2u);
    for (const auto& e : entries) {
        const bool summer = e.name == "summer.txt";
        EXPECT_EQ(e.dosTime, PackedDosTime(2026, summer ? 7 : 1, 15, summer ? 13 : 12)) << e.name;
    }
}

TEST(Win32DirectoryLister, DateAfter2043IsNegative) {
    TempFolder folder;
    const std::string file = folder.Make("future.txt");
    SetWriteTime(file, 2050, 6, 15, 12, 0, 0);
    std::vector<DirEntry> entries;
    ASSERT_EQ(Win32DirectoryLister().List(folder.Path() + "\\future.txt", entries), kListed);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_LT(entries[0].dosTime, 0);
    EXPECT_EQ(entries[0].dosTime, PackedLocalTime(file));
}

TEST(Win32DirectoryLister, MissingFolderFailsAsNotFoundAndAddsNothing) {
    TempFolder folder;
    const std::string file = folder.Make("plain.txt");
    const Win32DirectoryLister lister;
    std::vector<DirEntry> entries;
    const std::string missing = folder.Path() + "\\absent";
    for (const std::string& gone : {missing, missing + "\\deeper", file}) {
        const ListError error = lister.List(gone + "\\*.*", entries);
        EXPECT_NE(error, kListed) << gone;
        EXPECT_FALSE(IsUnavailable(lister, gone, error)) << gone << ": " << error;
    }
    EXPECT_NE(lister.List("   \\*.*", entries), kListed);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(lister.Probe(folder.Path() + "\\*.*"), kListed);
    EXPECT_NE(lister.Probe(missing + "\\*.*"), kListed);
}

// A drive letter that names no drive is out of reach, not a deleted folder.
TEST(Win32DirectoryLister, FolderOnAMissingDriveIsUnavailable) {
    std::string drive;
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y' && drive.empty(); ++letter) {
        if (!(drives & (1u << (letter - 'A')))) drive = std::string(1, letter) + ":";
    }
    if (drive.empty()) GTEST_SKIP() << "every drive letter is taken";
    const Win32DirectoryLister lister;
    std::vector<DirEntry> entries;
    const std::string folder = drive + "\\shared\\in";
    const ListError error = lister.List(folder + "\\*.*", entries);
    EXPECT_NE(error, kListed);
    EXPECT_TRUE(IsUnavailable(lister, folder, error)) << error;
}

TEST(Win32DirectoryLister, KeepsAnsiNamesByteForByte) {
    TempFolder folder;
    const std::string name = "caf\xe9 na\xefve \xa3.txt";  // Windows-1252 letters
    folder.Make(name);
    std::vector<DirEntry> entries;
    ASSERT_EQ(Win32DirectoryLister().List(folder.Path() + "\\*.*", entries), kListed);
    EXPECT_EQ(Names(entries), (std::vector<std::string>{".", "..", name}));
}

// Wine creates files in a large folder slowly, so the folder is made natively
// by large_folder.py, which runs this test with its path and size.
TEST(Win32DirectoryLister, ListsLargeFolders) {
    const char* folder = std::getenv("VIGILON_LARGE_FOLDER");
    const char* count = std::getenv("VIGILON_LARGE_COUNT");
    if (!folder || !count) GTEST_SKIP() << "run through large_folder.py";
    std::vector<DirEntry> entries;
    ASSERT_EQ(Win32DirectoryLister().List(std::string(folder) + "\\*.*", entries), kListed);
    const unsigned long expected = std::stoul(count);
    ASSERT_EQ(entries.size(), expected + 2u);
    std::set<std::string> names;
    for (const auto& e : entries) names.insert(e.name);
    for (unsigned long i = 0; i < expected; ++i) {
        ASSERT_TRUE(names.count("file " + std::to_string(i) + ".dat")) << i;
    }
}

}  // namespace
}  // namespace vigilon
