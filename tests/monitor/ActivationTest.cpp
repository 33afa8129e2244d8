#include <gtest/gtest.h>

#include "monitor/WatcherFixture.h"

namespace vigilon {
namespace {

using Lines = std::vector<std::string>;

TEST(IsBlankSlot, SpacesReturnsLineFeedsAndBackspacesAreBlankTabIsNot) {
    EXPECT_TRUE(IsBlankSlot(""));
    EXPECT_TRUE(IsBlankSlot("   "));
    EXPECT_TRUE(IsBlankSlot(" \r\n\b "));
    EXPECT_FALSE(IsBlankSlot("\t"));
    EXPECT_FALSE(IsBlankSlot(" x "));
}

class ActivationTest : public testing::WatcherFixture {};

TEST_F(ActivationTest, AllSlotsBlankIsRefusedAndNothingSaved) {
    view.controls.dirs[3] = "  \r\n";
    watcher.btActivateClick();
    EXPECT_EQ(view.calls,
              (Lines{"HideSummaryPanel", std::string("ShowMessage:") + kNoDirectoriesMessage,
                     "ShowRefusedWindow"}));
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(ActivationTest, NoNotifyOptionIsRefused) {
    view.controls.dirs[0] = "C:\\in";
    view.controls.notifyNew = view.controls.notifyChange = view.controls.notifyDelete = false;
    watcher.btActivateClick();
    EXPECT_EQ(view.calls,
              (Lines{"HideSummaryPanel", std::string("ShowMessage:") + kNoNotifyOptionsMessage,
                     "ShowRefusedWindow"}));
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(ActivationTest, ActivationSavesSnapshotsStartsTimerAndHides) {
    view.controls.dirs[1] = "\t";  // a tab is not blank: activation goes ahead
    view.controls.dirs[2] = "C:\\in";
    view.controls.notifyNew = view.controls.notifyDelete = false;  // only "Changed files"
    view.controls.nSecs = 15;
    lister.Put("C:\\in", "f", 1);
    watcher.meSummary.AddScan("Date/Time old", {"Added old"});
    watcher.btActivateClick();
    EXPECT_EQ(view.calls,
              (Lines{"HideSummaryPanel", "StartScanTimer:15000", "AddTrayIcon", "HideWindow"}));
    EXPECT_EQ(store.sections["Start"]["Dir3"], "C:\\in");
    EXPECT_TRUE(watcher.meSummary.Empty());
    EXPECT_EQ(watcher.lbStart1.Count(), 1u);
}

TEST_F(ActivationTest, WithoutATrayIconTheWindowStays) {
    view.controls.dirs[0] = "C:\\in";
    view.trayWorks = false;
    watcher.btActivateClick();
    EXPECT_EQ(view.calls, (Lines{"HideSummaryPanel", "StartScanTimer:60000", "AddTrayIcon",
                                 "ShowRefusedWindow"}));
}

TEST_F(ActivationTest, FormCreateWithAutoStartActivates) {
    store.sections["Start"]["Dir1"] = "C:\\in";
    store.sections["Opts"]["AutoStart"] = "1";
    watcher.FormCreate();
    EXPECT_EQ(view.calls, (Lines{"ShowSettings", "HideSummaryPanel", "StartScanTimer:60000",
                                 "AddTrayIcon", "HideWindow"}));
}

TEST_F(ActivationTest, EveryRefusalAtStartUpShowsTheWindow) {
    store.sections["Opts"]["AutoStart"] = "1";
    watcher.FormCreate();
    EXPECT_EQ(view.calls.back(), "ShowRefusedWindow");

    view.calls.clear();
    store.sections["Start"]["Dir1"] = "C:\\in";
    for (const char* option : {"New", "Change", "Delete"}) store.sections["Opts"][option] = "0";
    watcher.FormCreate();
    EXPECT_EQ(view.calls.back(), "ShowRefusedWindow");
}

TEST_F(ActivationTest, FormCreateWithoutAutoStartOnlyShowsSettings) {
    store.sections["Start"]["Dir1"] = "C:\\in";
    watcher.FormCreate();
    EXPECT_EQ(view.calls, (Lines{"ShowSettings"}));
    EXPECT_EQ(view.controls.dirs[0], "C:\\in");
}

TEST_F(ActivationTest, CloseWritesTheControlsAndCallBackStopsTimer) {
    view.controls.dirs[0] = "C:\\typed";
    watcher.FormClose();
    EXPECT_EQ(store.sections["Start"]["Dir1"], "C:\\typed");
    view.calls.clear();
    watcher.Show1Click();
    EXPECT_EQ(view.calls, (Lines{"StopScanTimer"}));
}

}  // namespace
}  // namespace vigilon
