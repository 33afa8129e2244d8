// What a window showing the playlist rows is told, and the rows' check marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jukebox/console/PlaylistRows.h"

namespace brambletune {
namespace {

// Records the hooks in the order they were called.
class RecordingRows : public PlaylistRows {
public:
    RecordingRows() : PlaylistRows([](const std::string& text) { return text; }) {}
    std::vector<std::string> calls;
    using PlaylistRows::MarkSelected;

protected:
    void RowsChanged() override { calls.push_back("rows"); }
    void ShowRow(std::int32_t position) override { calls.push_back("show " + Pos(position)); }
    void SortChanged() override {
        calls.push_back("sort " + Pos(SortIdx()) + "/" + Pos(SortOrd()) + " " + Cell(1, 1));
    }
    void SelectionChanged(std::int32_t position) override {
        calls.push_back("selection " + Pos(position));
    }

private:
    static std::string Pos(std::int32_t n) { return std::to_string(n); }
};

class PlaylistRowsHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        rows.AddItem("10a", {"b", "", "", "", ""});
        rows.AddItem("11a", {"c", "", "", "", ""});
        rows.AddItem("12a", {"a", "", "", "", ""});
        rows.calls.clear();
    }
    RecordingRows rows;
};

TEST_F(PlaylistRowsHooksTest, SortHookComesBeforeTheRowsMoveAndSelectionIsResentAfter) {
    rows.ColumnClick(kTitleColumn);
    EXPECT_EQ(rows.calls, (std::vector<std::string>{"sort 1/0 b", "rows", "selection 0"}));
    rows.calls.clear();
    rows.ColumnClick(kTitleColumn);
    EXPECT_EQ(rows.calls.front(), "sort 1/1 a");
}

TEST_F(PlaylistRowsHooksTest, SelectionHooksNameTheOneRowOrAll) {
    rows.SetSelected(2, true);
    EXPECT_EQ(rows.calls, (std::vector<std::string>{"rows", "selection 2"}));
    rows.calls.clear();
    rows.SetSelectedItem(3);
    EXPECT_EQ(rows.calls, (std::vector<std::string>{"rows", "selection 0", "show 3"}));
    rows.calls.clear();
    rows.SelectAll(false);
    EXPECT_EQ(rows.calls, (std::vector<std::string>{"rows", "selection 0"}));
    rows.calls.clear();
    rows.RemoveRow(1);
    EXPECT_EQ(rows.calls, (std::vector<std::string>{"rows", "selection 0"}));
}

TEST_F(PlaylistRowsHooksTest, MarkedSelectionIsClampedAndCallsNoHook) {
    rows.MarkSelected(0, 2, true);
    rows.MarkSelected(3, 99, false);
    EXPECT_TRUE(rows.calls.empty());
    EXPECT_TRUE(rows.IsSelected(1));
    EXPECT_TRUE(rows.IsSelected(2));
    EXPECT_FALSE(rows.IsSelected(3));
    EXPECT_EQ(rows.SelectedItem(), 1);
}

TEST_F(PlaylistRowsHooksTest, CheckMarksFollowTheirRowsThroughSortsAndRemovals) {
    rows.Checked(1, true);  // "b"
    EXPECT_EQ(rows.calls, (std::vector<std::string>{"rows"}));
    rows.ColumnClick(kTitleColumn);  // a b c
    EXPECT_FALSE(rows.Checked(1));
    EXPECT_TRUE(rows.Checked(2));
    rows.RemoveRow(1);  // b c
    EXPECT_TRUE(rows.Checked(1));
    rows.CheckAll(true);
    EXPECT_TRUE(rows.Checked(2));
    rows.CheckAll(false);
    EXPECT_FALSE(rows.Checked(1));
    EXPECT_FALSE(rows.Checked(2));
}

}  // namespace
}  // namespace brambletune
