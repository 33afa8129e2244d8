#include <gtest/gtest.h>

#include "monitor/WatcherFixture.h"

namespace vigilon {
namespace {

using Lines = std::vector<std::string>;

class ComparisonTest : public testing::WatcherFixture {
protected:
    void SetUp() override {
        watcher.settings.dirs[4] = "C:\\data";
        lister.Put("C:\\data", ".", 5);
        lister.Put("C:\\data", "..", 5);
        lister.Put("C:\\data", "a", 100);
        lister.Put("C:\\data", "b", 200);
        watcher.ClearAndReload();
    }
    bool Scan() {
        watcher.ScanFolders();
        return watcher.areListBoxesDifferent(watcher.lbStart1, watcher.lbScan1);
    }
};

TEST_F(ComparisonTest, SnapshotSkipsDotEntriesAndRecordsPathAndTime) {
    ASSERT_EQ(watcher.lbStart1.Count(), 2u);
    EXPECT_EQ(watcher.lbStart1.Line(0), "C:\\data\\a\t100");
    EXPECT_EQ(watcher.lbStart1.Line(1), "C:\\data\\b\t200");
    EXPECT_EQ(lister.patterns.back(), "C:\\data\\*.*");
}

TEST_F(ComparisonTest, QuietScanLeavesTheSummaryAsItWas) {
    EXPECT_FALSE(Scan());
    EXPECT_TRUE(watcher.meSummary.Empty());
    lister.Put("C:\\data", "c", 1);
    EXPECT_TRUE(Scan());
    EXPECT_EQ(watcher.meSummary.Lines(),
              (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Added C:\\data\\c"}));
    watcher.lbStart1 = watcher.lbScan1;
    EXPECT_FALSE(Scan());
    EXPECT_EQ(watcher.meSummary.Lines().size(), 3u);
}

TEST_F(ComparisonTest, HeaderLeavesOutTimeAtMidnight) {
    clock.now = LocalTime{2026, 1, 2, 0, 0, 0, 0};
    lister.Remove("C:\\data", "a");
    Scan();
    EXPECT_EQ(watcher.meSummary.Lines().front(), "Date/Time 2/1/2026");
}

TEST_F(ComparisonTest, TouchedFileIsChangedOnlyWhenAskedFor) {
    lister.Touch("C:\\data", "a", 101);
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Changed C:\\data\\a"}));

    watcher.settings.notifyChange = false;
    EXPECT_FALSE(Scan());
    EXPECT_EQ(watcher.meSummary.Lines().size(), 3u);  // nothing more was told
}

TEST_F(ComparisonTest, RenameIsDeletedThenAdded) {
    lister.Remove("C:\\data", "a");
    lister.Put("C:\\data", "c", 100);
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Deleted C:\\data\\a", "Added C:\\data\\c"}));
}

TEST_F(ComparisonTest, RenameInLetterCaseOnlyIsDeletedAndAdded) {
    lister.Remove("C:\\data", "a");
    lister.Put("C:\\data", "A", 100);
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Deleted C:\\data\\a", "Added C:\\data\\A"}));
}

TEST_F(ComparisonTest, DeletedAndChangedComeFirstThenAddedEachInPathOrder) {
    lister.Put("C:\\data", "z", 1);
    lister.Put("C:\\data", "m", 1);
    lister.Touch("C:\\data", "b", 201);
    lister.Remove("C:\\data", "a");
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Deleted C:\\data\\a", "Changed C:\\data\\b",
                                    "Added C:\\data\\m", "Added C:\\data\\z"}));
}

TEST_F(ComparisonTest, EachNotifyOptionFiltersItsOwnKind) {
    lister.Put("C:\\data", "new", 1);
    lister.Remove("C:\\data", "a");
    watcher.settings.notifyNew = false;
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Deleted C:\\data\\a"}));
    watcher.settings.notifyNew = true;
    watcher.settings.notifyDelete = false;
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Added C:\\data\\new"}));
}

TEST_F(ComparisonTest, SubFolderIsAnEntryOfItsOwn) {
    lister.Put("C:\\data", "sub", 300);
    lister.Put("C:\\data\\sub", "inner.txt", 300);
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Added C:\\data\\sub"}));
}

TEST_F(ComparisonTest, DriveRootGetsNoSecondBackslash) {
    watcher.settings.dirs[0] = "D:\\";
    lister.Put("D:\\", "root.txt", 7);
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Added D:\\root.txt"}));
}

TEST_F(ComparisonTest, DeletedFolderIsDeletedThenAddedBack) {
    lister.Folder("C:\\");  // the parent can be listed
    const auto saved = lister.Folder("C:\\data");
    lister.folders.erase("C:\\data\\*.*");
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Deleted C:\\data\\a", "Deleted C:\\data\\b"}));
    lister.Folder("C:\\data") = saved;
    EXPECT_FALSE(Scan());
}

TEST_F(ComparisonTest, BlankAndEmptySlots) {
    watcher.settings.dirs[0] = "   ";
    watcher.settings.dirs[1] = "\t";
    lister.patterns.clear();
    EXPECT_FALSE(Scan());
    // Empty slots are not searched; blank ones are, and yield nothing.
    EXPECT_EQ(lister.patterns, (Lines{"   \\*.*", "\t\\*.*", "C:\\data\\*.*"}));
}

TEST_F(ComparisonTest, LongPathsAreLookedUpLikeShortOnes) {
    std::string deep = "C:";
    while (deep.size() < 240) deep += "\\folder with a long name";
    watcher.settings.dirs[9] = deep;
    lister.Put(deep, "file.txt", 42);
    watcher.ClearAndReload();
    EXPECT_FALSE(Scan());
}

TEST_F(ComparisonTest, SameFolderInTwoSlotsWithOtherCaseIsQuiet) {
    watcher.settings.dirs[6] = "c:\\DATA";
    lister.Folder("c:\\DATA") = lister.Folder("C:\\data");
    watcher.ClearAndReload();
    ASSERT_EQ(watcher.lbStart1.Count(), 4u);
    EXPECT_FALSE(Scan());
    lister.Touch("c:\\DATA", "a", 102);
    EXPECT_TRUE(Scan());
    EXPECT_EQ(LastChanges(), (Lines{"Changed c:\\DATA\\a"}));
}

TEST_F(ComparisonTest, ThreeQuietCyclesThenAChangeLeaveOneBlock) {
    for (int i = 0; i < 3; ++i) watcher.Timer1Timer();
    lister.Put("C:\\data", "c", 1);
    watcher.Timer1Timer();
    EXPECT_EQ(watcher.meSummary.Lines(),
              (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Added C:\\data\\c"}));
}

TEST_F(ComparisonTest, ChangeInAlarmModeShowsAlarmThenStopsTimerThenPlays) {
    view.calls.clear();
    view.controls.wav = "C:\\ding.wav";
    desktop.files["C:\\ding.wav"] = "RIFF";
    lister.Touch("C:\\data", "b", 1);
    watcher.Timer1Timer();
    EXPECT_EQ(view.calls, (Lines{"ShowAlarm", "StopScanTimer"}));
    EXPECT_EQ(desktop.calls, (Lines{"ShellOpen:C:\\ding.wav"}));
    // The start snapshot is kept: the next cycle finds the same change again.
    watcher.Timer1Timer();
    EXPECT_EQ(LastChanges(), (Lines{"Changed C:\\data\\b"}));
}

TEST_F(ComparisonTest, ClearAndReloadEmptiesSummaryAndTakesNewSnapshot) {
    lister.Put("C:\\data", "c", 1);
    EXPECT_TRUE(Scan());
    watcher.ClearAndReload();
    EXPECT_TRUE(watcher.meSummary.Empty());
    EXPECT_EQ(watcher.lbStart1.Count(), 3u);
    EXPECT_FALSE(Scan());
}

}  // namespace
}  // namespace vigilon
