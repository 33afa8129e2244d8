// The playlist rows: text keys, sorting by header clicks, removal and selection.
#include <gtest/gtest.h>

#include <climits>

#include "jukebox/console/PlaylistRows.h"
#include "jukebox/playback/doubles/EngineDoubles.h"

namespace brambletune {
namespace {

TEST(RowKeys, TextKeysRoundTripEveryNumberAndReadOnlyTheLeadingNumber) {
    for (const std::int32_t n : {0, 5, -3, INT_MAX, INT_MIN}) EXPECT_EQ(StrToKey(KeyToStr(n)), n);
    EXPECT_EQ(KeyToStr(5), "5a");
    EXPECT_EQ(KeyToStr(-3), "-3a");
    EXPECT_EQ(StrToKey("abc"), 0);
    EXPECT_EQ(StrToKey("99999999999a"), INT_MAX);
}

class PlaylistRowsTest : public ::testing::Test {
protected:
    PlaylistRows rows{testing::AsciiNoCase()};
    void SetUp() override {
        rows.AddItem("0a", {"b", "", "", "", "p0"});
        rows.AddItem("1a", {"C", "", "", "", "p1"});
        rows.AddItem("2a", {"a", "", "", "", "p2"});
    }
    std::string Order() const {
        std::string order;
        for (std::int32_t p = 1; p <= rows.Count(); ++p) order += rows.Cell(p, kTitleColumn);
        return order;
    }
};

TEST_F(PlaylistRowsTest, ASecondClickOnAColumnSortsDescendingAnotherColumnAscending) {
    rows.ColumnClick(kTitleColumn);
    EXPECT_EQ(Order(), "abC");
    rows.ColumnClick(kTitleColumn);
    EXPECT_EQ(Order(), "Cba");
    EXPECT_EQ(rows.SortOrd(), 1);
    rows.ColumnClick(kPathColumn);
    EXPECT_EQ(Order(), "bCa");
    EXPECT_EQ(rows.SortOrd(), 0);
    EXPECT_EQ(rows.IndexOfKey("2a"), 3);
    EXPECT_EQ(rows.KeyOfIndex(1), 0);
}

TEST_F(PlaylistRowsTest, RowsAddedToASortedListTakeTheirPlace) {
    rows.SetSort(kTitleColumn, 0);
    rows.AddItem("3a", {"B", "", "", "", "p3"});
    rows.AddItem("4a", {"0", "", "", "", "p4"});
    EXPECT_EQ(Order(), "0abBC");
    EXPECT_EQ(rows.IndexOfKey("4a"), 1);
}

TEST_F(PlaylistRowsTest, RemovingRowsRenumbersTheRestAndForgetsTheirKeys) {
    rows.RemoveRows({1, 2});
    EXPECT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.IndexOfKey("2a"), 1);
    EXPECT_EQ(rows.IndexOfKey("0a"), 0);
    rows.ReplaceKey("2a", "0a");
    EXPECT_EQ(rows.KeyOfIndex(1), 0);
}

TEST_F(PlaylistRowsTest, SetSelectedItemLeavesExactlyOneRowSelected) {
    rows.SelectAll(true);
    rows.SetSelectedItem(2);
    EXPECT_EQ(rows.SelectedItem(), 2);
    EXPECT_FALSE(rows.IsSelected(1));
    EXPECT_FALSE(rows.IsSelected(3));
}

}  // namespace
}  // namespace brambletune
