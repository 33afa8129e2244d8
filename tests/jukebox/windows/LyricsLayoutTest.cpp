#include "jukebox/windows/LyricsLayout.h"

#include <gtest/gtest.h>

namespace brambletune {
namespace {

TEST(LyricsLayoutTest, PlacesFollowTheInnerSizeOneDimensionAtATime) {
    LyricsLayout layout(1215);
    EXPECT_TRUE(layout.Resize(5400, 3900));
    LyricsLayout::Places p = layout.places();
    EXPECT_EQ(p.textWidth, 5220);
    EXPECT_EQ(p.okLeft, 2092);
    EXPECT_EQ(p.checkLeft[0], 788);
    EXPECT_EQ(p.checkLeft[1], 3488);
    EXPECT_EQ(p.checkLeft[1] + p.checkWidth, 5400 - 90);
    EXPECT_EQ(p.okTop, 3465);
    EXPECT_EQ(p.checkTop, 3120);
    EXPECT_EQ(p.textHeight, 2940);
    EXPECT_EQ(p.pictureTop, 3398);

    EXPECT_TRUE(layout.Resize(5400, 4000));
    EXPECT_EQ(layout.places().okTop, 3565);
    EXPECT_EQ(layout.places().okLeft, 2092);
    EXPECT_FALSE(layout.Resize(5400, 4000));
}

}  // namespace
}  // namespace brambletune
