// Which files share a cached icon.
#include "jukebox/console/IconCacheKey.h"

#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"

namespace brambletune {
namespace {

TEST(IconCacheKey, FilesOfOneTypeShareAKeyProgramsAndShortcutsHaveTheirOwn) {
    const testing::AsciiTextCase textCase;
    EXPECT_EQ(IconCacheKey(textCase, "MP3 Audio File", "C:\\a.mp3"), "mp3 audio file");
    EXPECT_EQ(IconCacheKey(textCase, "MP3 audio file", "C:\\b.mp3"), "mp3 audio file");
    EXPECT_EQ(IconCacheKey(textCase, "", "C:\\c.xyz"), "Default");
    EXPECT_EQ(IconCacheKey(textCase, "Application", "C:\\one.exe"), "C:\\one.exe");
    EXPECT_EQ(IconCacheKey(textCase, "application", "C:\\two.exe"), "C:\\two.exe");
    EXPECT_EQ(IconCacheKey(textCase, "Shortcut", "C:\\s.lnk"), "C:\\s.lnk");
    EXPECT_EQ(IconCacheKey(textCase, "Application extension", "C:\\x.dll"),
              "application extension");
}

}  // namespace
}  // namespace brambletune
