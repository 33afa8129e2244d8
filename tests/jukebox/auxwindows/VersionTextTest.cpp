#include "jukebox/windows/VersionText.h"

#include <gtest/gtest.h>

namespace brambletune {
namespace {

TEST(VersionText, ShowsMajorMinorAndRevisionWithoutTheBuildNumber) {
    EXPECT_EQ(VersionText(2, 6, 0, 668), "v2.6.668");
    EXPECT_EQ(VersionText(10, 0, 7, 65535), "v10.0.65535");
}

}  // namespace
}  // namespace brambletune
