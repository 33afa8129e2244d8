// Tag writing through Win32FileSystem on a real Windows file system, and the
// genre list in the order of the user's word sort.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "jukebox/console/Win32SortKey.h"
#include "jukebox/model/Win32FileSystem.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/settings/GenreList.h"
#include "jukebox/settings/TagWriter.h"

namespace brambletune {
namespace {

class Win32TagFileTest : public ::testing::Test {
protected:
    Win32FileSystem fs;
    std::string path;
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        path = std::string(temp) + "song_tag_" + std::to_string(GetCurrentProcessId()) + ".mp3";
    }
    void TearDown() override { DeleteFileA(path.c_str()); }
    void Write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string Read() {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(Win32TagFileTest, WriteTwiceThenDeleteGivesTheOriginalBytesBack) {
    const std::string audio(1000, '\x5A');
    Write(audio);
    TagRecord tag;
    tag.title = "Title";
    ASSERT_EQ(WriteID3(fs, path, tag, Win32TextCase()), TagFileResult::Done);
    ASSERT_EQ(WriteID3(fs, path, tag, Win32TextCase()), TagFileResult::Done);
    EXPECT_EQ(Read().size(), audio.size() + 128);
    EXPECT_EQ(DeleteID3(fs, path), TagFileResult::Done);
    EXPECT_EQ(Read(), audio);
}

TEST_F(Win32TagFileTest, FileHeldWithoutSharingIsReportedAndKept) {
    Write(std::string(500, 'x'));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteID3(fs, path, TagRecord{}, Win32TextCase()), TagFileResult::CannotOpen);
    EXPECT_EQ(SetFileLength(fs, path, 10), TagFileResult::CannotOpen);
    CloseHandle(held);
    EXPECT_EQ(Read(), std::string(500, 'x'));
}

TEST(Win32GenreOrder, WordSortIgnoresCaseAndHyphens) {
    const auto genres = SortedGenres(Win32SortKey());
    const auto at = [&](const std::string& name) {
        return std::find_if(genres.begin(), genres.end(),
                            [&](const GenreEntry& g) { return g.name == name; }) -
               genres.begin();
    };
    EXPECT_EQ(at("(none)"), 0);
    EXPECT_EQ(at("A capella"), 1);
    EXPECT_LT(at("Eurodance"), at("Euro-House"));
    EXPECT_LT(at("Euro-House"), at("Euro-Techno"));
    EXPECT_LT(at("Pop/Funk"), at("Pop-Folk"));
    EXPECT_LT(at("JPop"), at("Jungle"));
}

}  // namespace
}  // namespace brambletune
