// The album that MakeDemoAlbum.exe wrote under Wine (the test's fixture), read
// back by the jukebox's album reader through the Win32 file system.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "jukebox/model/AlbumFile.h"
#include "jukebox/model/CSongList.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/Win32CodePages.h"
#include "jukebox/model/Win32FileSystem.h"
#include "jukebox/tools/DemoAlbum.h"

namespace brambletune {
namespace {

class NoMessages : public MessageBoxService {
public:
    int Show(const std::string& text, const std::string&, std::uint32_t) override {
        ADD_FAILURE() << text;
        return 1;
    }
    int ShowOwned(std::uintptr_t, const std::string& text, const std::string& caption,
                  std::uint32_t style) override {
        return Show(text, caption, style);
    }
};

std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : "";
}

TEST(DemoAlbumFilesTest, AlbumListsTheTonesBesideItByTheirFullPaths) {
    const std::string folder = FullPath(DEMO_ALBUM_FOLDER) + "\\";
    ASSERT_EQ(folder.substr(1, 2), ":\\");
    Win32FileSystem files;
    Win32CodePages pages;
    CSongList list;
    AlbumPosition position;
    NoMessages messages;
    ASSERT_TRUE(LoadAlbumFile(files, folder + kDemoAlbumName, list, AlbumMode::kOpen, position,
                              messages, pages));
    ASSERT_EQ(list.nSongs(), static_cast<std::int32_t>(DemoTones().size()));
    for (std::int32_t i = 0; i < list.nSongs(); ++i) {
        const CSong& song = list.song(i);
        EXPECT_EQ(song.songTitle, DemoTones()[static_cast<std::size_t>(i)].title);
        EXPECT_EQ(song.songPath.rfind(folder, 0), 0u) << song.songPath;
        EXPECT_TRUE(files.FileExists(song.songPath)) << song.songPath;
    }
}

}  // namespace
}  // namespace brambletune
