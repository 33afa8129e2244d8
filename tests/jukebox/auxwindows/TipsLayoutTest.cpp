#include "jukebox/windows/TipsLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <set>

namespace brambletune {
namespace {

TEST(TipNumber, DrawsEachOfThe23HintsAndNothingElse) {
    EXPECT_EQ(TipNumber(0.0), 1);
    EXPECT_EQ(TipNumber(1.0 / 23), 2);
    EXPECT_EQ(TipNumber(22.0 / 23 - 1e-12), 22);
    EXPECT_EQ(TipNumber(std::nextafter(1.0, 0.0)), 23);
    // Values a generator should never give still name a hint.
    EXPECT_EQ(TipNumber(1.0), 23);
    EXPECT_EQ(TipNumber(-0.5), 1);
    EXPECT_EQ(TipNumber(std::numeric_limits<double>::quiet_NaN()), 1);

    std::mt19937 generator(1234);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::set<std::int32_t> seen;
    for (int i = 0; i < 5000; ++i) {
        const std::int32_t n = TipNumber(uniform(generator));
        ASSERT_GE(n, 1);
        ASSERT_LE(n, kTipCount);
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 23u);
}

TEST(TipsLayout, PlacesTheControlsForEachChangedDimension) {
    TipsLayout layout;
    ASSERT_TRUE(layout.Resize(4845, 4305));
    const TipsLayout::Parts first = layout.parts();
    EXPECT_EQ(first.labelLeft, 1470);  // (4845 - 1905) div 2
    EXPECT_EQ(first.tipWidth, 4605);
    EXPECT_EQ(first.okLeft, 551);  // 4845 div 4 - 660
    EXPECT_EQ(first.nextLeft, 551 + 2422);
    EXPECT_EQ(first.buttonTop, 3840);
    EXPECT_EQ(first.tipHeight, 3345);
    EXPECT_FALSE(layout.Resize(4845, 4305));

    ASSERT_TRUE(layout.Resize(3000, 4305));  // the width alone
    EXPECT_EQ(layout.parts().labelLeft, 547);
    EXPECT_EQ(layout.parts().okLeft, 750 - 660);
    EXPECT_EQ(layout.parts().tipHeight, first.tipHeight);

    ASSERT_TRUE(layout.Resize(3000, 3600));  // the height alone
    EXPECT_EQ(layout.parts().buttonTop, 3135);
    EXPECT_EQ(layout.parts().tipHeight, 2640);
    EXPECT_EQ(layout.parts().tipWidth, 2760);
}

}  // namespace
}  // namespace brambletune
