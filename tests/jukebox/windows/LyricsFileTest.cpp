// Saving lyrics on the real file system: the Win32 one under Wine, the
// standard library's natively.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/model/CSong.h"
#include "jukebox/windows/LyricsEditor.h"
#ifdef _WIN32
#include <windows.h>

#include "jukebox/model/Win32FileSystem.h"
using NativeFileSystem = brambletune::Win32FileSystem;
#else
#include "jukebox/model/StdFileSystem.h"
using NativeFileSystem = brambletune::StdFileSystem;
#endif

namespace brambletune {
namespace {

constexpr const char* kOldWords = "a long first version\r\nof the words\r\n";

class TypedText : public LyricsText {
public:
    std::string text;
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void SetCaption(const std::string&) override {}
    std::uintptr_t Handle() const override { return 0; }
};

class LyricsFileTest : public ::testing::Test {
protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("lyrics_test_" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::string path = (dir / "song.txt").string();
    TypedText view;
    NativeFileSystem files;
    testing::RecordingMessageBox messages;
    testing::Latin1CodePages pages;
    LyricsEditor editor{view, files, messages, pages};

    void SetUp() override {
        std::filesystem::create_directories(dir);
        std::ofstream(path, std::ios::binary) << kOldWords;
        CSong song;
        song.songLyrics = path;
        editor.ShowLyrics(song);
        view.text = "short";
        editor.TextEdited();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Saved() const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(LyricsFileTest, ShorterTextLeavesNoBytesOfTheOldFile) {
    EXPECT_TRUE(editor.SaveLyricsFile());
    EXPECT_EQ(Saved(), "short");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

#ifdef _WIN32
TEST_F(LyricsFileTest, FileInUseIsLeftAsItWas) {
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const bool saved = editor.SaveLyricsFile();
    CloseHandle(held);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Saved(), kOldWords);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    EXPECT_EQ(messages.shown.size(), 1u);
}
#endif

}  // namespace
}  // namespace brambletune
