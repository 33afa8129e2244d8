// Character-by-character searches of ANSI text in a single-byte and a
// double-byte code page.
#include "jukebox/model/AnsiText.h"
#include "jukebox/model/AbsolutePath.h"

#include <gtest/gtest.h>

#include <string>

#include "jukebox/doubles/AsciiTextCase.h"

namespace brambletune {
namespace {

using testing::AsciiTextCase;
using testing::DbcsTextCase;

constexpr auto npos = std::string_view::npos;

TEST(AnsiText, SingleByteCodePageFindsEveryByte) {
    const AsciiTextCase ascii;
    EXPECT_EQ(LastBackslash("C:\\a\\b.c.d", ascii), 4u);
    EXPECT_EQ(LastDot("C:\\a\\b.c.d", ascii), 8u);
    EXPECT_EQ(FirstDot("C:\\a.x\\b.c.d", ascii, 6), 8u);
    EXPECT_EQ(LastBackslash("name", ascii), npos);
    EXPECT_EQ(LastDot("", ascii), npos);
    EXPECT_EQ(FileNameOf("C:\\a\\b.c", ascii), "b.c");
    EXPECT_EQ(FileNameOf("b.c", ascii), "b.c");
    EXPECT_TRUE(IsCharStart("\x95\x5C", 1, ascii));
}

// In a code page like 932 "\x95\x5C" and "\x81\x2E" are one character each.
TEST(AnsiText, TrailBytesAreNeitherBackslashesNorDots) {
    const DbcsTextCase dbcs;
    EXPECT_EQ(LastBackslash("C:\\a\\b\x95\x5C", dbcs), 4u);
    EXPECT_EQ(LastBackslash("\x95\x5C", dbcs), npos);
    EXPECT_EQ(LastDot("a.b\x81\x2E", dbcs), 1u);
    EXPECT_EQ(FirstDot("\x81\x2E.b", dbcs), 2u);
    EXPECT_EQ(FileNameOf("C:\\\x95\x5C\\x\x95\x5C", dbcs), "x\x95\x5C");
    EXPECT_FALSE(IsCharStart("\x95\x5C", 1, dbcs));
    EXPECT_TRUE(IsCharStart("\x95\x5C", 2, dbcs));
    EXPECT_FALSE(IsCharStart("ab", 3, dbcs));
}

// A lead byte cut off at the end of the text stands alone, and a backslash
// after a lead byte is its trail byte.
TEST(AnsiText, LoneLeadByteAtTheEndIsOneCharacter) {
    const DbcsTextCase dbcs;
    EXPECT_EQ(LastBackslash("a\\\x95", dbcs), 1u);
    EXPECT_TRUE(IsCharStart("a\x95", 2, dbcs));
    EXPECT_EQ(LastDot("\x95.\x95", dbcs), npos);
}

}  // namespace
}  // namespace brambletune

namespace brambletune {
namespace {

TEST(AbsolutePath, EachKindOfPathIsMadeAbsoluteAgainstTheFolder) {
    const AsciiTextCase ascii;
    const struct {
        const char* path;
        const char* folder;
        const char* absolute;
    } cases[] = {
        {R"(C:\x\a.mp3)", R"(D:\lists\)", R"(C:\x\a.mp3)"},
        {R"(\\srv\share\a.mp3)", R"(D:\lists)", R"(\\srv\share\a.mp3)"},
        {"a.mp3", R"(D:\lists\)", R"(D:\lists\a.mp3)"},
        {"a.mp3", R"(D:\lists)", R"(D:\lists\a.mp3)"},
        {R"(sub/b.mp3)", R"(D:\lists\)", R"(D:\lists\sub\b.mp3)"},
        {R"(..\music\.\c.mp3)", R"(D:\lists\)", R"(D:\music\c.mp3)"},
        {R"(..\..\..\c.mp3)", R"(D:\lists\)", R"(D:\c.mp3)"},
        {R"(\music\d.mp3)", R"(D:\lists\)", R"(D:\music\d.mp3)"},
        {R"(\music\d.mp3)", R"(\\srv\share\lists\)", R"(\\srv\share\music\d.mp3)"},
        {"e.mp3", R"(\\srv\share\lists)", R"(\\srv\share\lists\e.mp3)"},
        {"d:e.mp3", R"(D:\lists\)", R"(D:\lists\e.mp3)"},
        {"E:f.mp3", R"(D:\lists\)", R"(E:\f.mp3)"},
        {".", R"(D:\lists\)", R"(D:\lists)"},
        {"..", R"(D:\)", R"(D:\)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(AbsolutePath(c.path, c.folder, ascii), c.absolute);
    }
    EXPECT_TRUE(IsFullyQualified(R"(C:\a)"));
    EXPECT_TRUE(IsFullyQualified(R"(\\srv\s)"));
    for (const char* relative : {"a", R"(\a)", "C:a", "C:", ""})
        EXPECT_FALSE(IsFullyQualified(relative));
}

TEST(AbsolutePath, ATrailByteThatEqualsABackslashSplitsNothing) {
    const DbcsTextCase dbcs;
    EXPECT_EQ(AbsolutePath("\x95\x5C\\..\\a.mp3", "D:\\l\x95\x5C\\", dbcs), "D:\\l\x95\x5C\\a.mp3");
    EXPECT_EQ(AbsolutePath("\x95\x5C.mp3", "D:\\", dbcs), "D:\\\x95\x5C.mp3");
}

}  // namespace
}  // namespace brambletune
