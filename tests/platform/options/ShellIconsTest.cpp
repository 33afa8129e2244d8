// A DefaultIcon value names an icon by its index among the program's icon
// groups; index 0 must be the program icon and 1..10 the album and file icons.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace brambletune {
namespace {

std::string Program() {
    return std::string("Z:") + BRAMBLETUNE_EXE;
}

// The 32 x 32 colour pixels of an icon, which then is destroyed.
std::vector<DWORD> PixelsOf(HICON icon) {
    std::vector<DWORD> pixels(32 * 32);
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = 32;
    format.bmiHeader.biHeight = -32;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, info.hbmColor, 0, 32, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    return rows == 32 ? pixels : std::vector<DWORD>{};
}

std::vector<DWORD> ByIndex(int index) {
    HICON icon = nullptr;
    if (ExtractIconExA(Program().c_str(), index, &icon, nullptr, 1) != 1) return {};
    return PixelsOf(icon);
}

class ShellIconsTest : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(Program().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << Program() << " " << GetLastError();
    }
    void TearDown() override { FreeLibrary(module_); }

    std::vector<DWORD> ById(int id) const {
        return PixelsOf(
            static_cast<HICON>(LoadImageA(module_, MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0)));
    }

    HMODULE module_ = nullptr;
};

TEST_F(ShellIconsTest, IndexZeroIsTheProgramIconAndOneToTenAreGroups101To110) {
    const std::vector<DWORD> program = ById(1);
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(ByIndex(0), program);
    std::vector<std::vector<DWORD>> seen{program};
    for (int index = 1; index <= 10; ++index) {
        const std::vector<DWORD> icon = ById(100 + index);
        ASSERT_FALSE(icon.empty()) << index;
        EXPECT_EQ(ByIndex(index), icon) << "index " << index;
        for (const auto& other : seen) EXPECT_NE(icon, other) << "icon " << index << " repeats";
        seen.push_back(icon);
    }
}

}  // namespace
}  // namespace brambletune
