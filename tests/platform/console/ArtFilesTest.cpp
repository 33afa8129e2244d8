// The jukebox's drawn art loads as the icons and cursor the system expects.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace brambletune {
namespace {

// The source tree as the Wine drive Z: shows it.
std::string ArtFile(const char* name) {
    return std::string("Z:") + JUKEBOX_RES_DIR "/" + name;
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {0, 0};
    BITMAP bitmap{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

TEST(ArtFilesTest, ProgramIconHasItsThreeSizes) {
    for (const int size : {48, 32, 16}) {
        const HANDLE icon = LoadImageA(nullptr, ArtFile("brambletune.ico").c_str(), IMAGE_ICON,
                                       size, size, LR_LOADFROMFILE);
        ASSERT_NE(icon, nullptr) << size << " " << GetLastError();
        EXPECT_EQ(IconSize(static_cast<HICON>(icon)).cx, size);
        DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(ArtFilesTest, ButtonPicturesAreSixteenPixelIcons) {
    for (const char* name : {"play.ico", "stop.ico", "pause.ico", "back.ico", "next.ico"}) {
        const HANDLE icon =
            LoadImageA(nullptr, ArtFile(name).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
        ASSERT_NE(icon, nullptr) << name << " " << GetLastError();
        EXPECT_EQ(IconSize(static_cast<HICON>(icon)).cx, 16) << name;
        DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(ArtFilesTest, HandCursorPointsWithTheIndexFingerTip) {
    const HANDLE cursor =
        LoadImageA(nullptr, ArtFile("hand.cur").c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE);
    ASSERT_NE(cursor, nullptr) << GetLastError();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(cursor), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 11u);
    EXPECT_EQ(info.yHotspot, 1u);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(static_cast<HCURSOR>(cursor));
}

}  // namespace
}  // namespace brambletune
