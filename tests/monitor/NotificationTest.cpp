#include <gtest/gtest.h>

#include "monitor/WatcherFixture.h"
#include "monitor/watch/Report.h"

namespace vigilon {
namespace {

using Lines = std::vector<std::string>;

class NotificationTest : public testing::WatcherFixture {};

TEST_F(NotificationTest, MissingOrEmptySoundFileOnlyBeeps) {
    watcher.playAlarmSound();
    view.controls.wav = "C:\\absent.wav";
    watcher.playAlarmSound();
    EXPECT_EQ(desktop.calls, (Lines{"Beep", "Beep"}));
}

TEST_F(NotificationTest, SoundPathIsCutTo201Characters) {
    const std::string longPath = "C:\\" + std::string(250, 's');
    const std::string cut = longPath.substr(0, 201);
    view.controls.wav = longPath;
    desktop.files[cut] = "";
    watcher.playAlarmSound();
    EXPECT_EQ(desktop.calls, (Lines{"ShellOpen:" + cut}));
}

TEST_F(NotificationTest, FailedOpenShowsCouldntExecuteCutTo218) {
    view.controls.wav = "C:\\song.xyz";
    desktop.files["C:\\song.xyz"] = "";
    desktop.shellOpenWorks = false;
    watcher.playAlarmSound();
    EXPECT_EQ(desktop.calls.back(), "ShowError:Couldn't execute C:\\song.xyz");

    const std::string longPath = "C:\\" + std::string(198, 'x');  // 201 characters
    view.controls.wav = longPath;
    desktop.files[longPath] = "";
    watcher.playAlarmSound();
    const std::string message = desktop.calls.back().substr(std::string("ShowError:").size());
    EXPECT_EQ(message.size(), 218u);
    EXPECT_EQ(message, ("Couldn't execute " + longPath).substr(0, 218));
}

TEST_F(NotificationTest, SoundFileChooserReplacesThePathOnlyOnOk) {
    view.controls.wav = "C:\\old.wav";
    watcher.SpeedButton6Click();
    EXPECT_EQ(view.controls.wav, "C:\\old.wav");
    desktop.soundAnswer = "C:\\new.wav";
    watcher.SpeedButton6Click();
    EXPECT_EQ(view.controls.wav, "C:\\new.wav");
    EXPECT_EQ(desktop.calls, (Lines{"NotOnTop", "ChooseSoundFile:C:\\old.wav", "NotOnTop",
                                    "ChooseSoundFile:C:\\old.wav"}));
}

TEST_F(NotificationTest, LogBlockFormat) {
    EXPECT_EQ(LogBlock({"Date/Time 1/2/2026 10:00:00", " ", "Added C:\\a"}, "1/2/2026 at 10:00:05"),
              "****************\r\n"
              "Log generated on 1/2/2026 at 10:00:05\r\n"
              "   Date/Time 1/2/2026 10:00:00\r\n"
              "    \r\n"
              "   Added C:\\a\r\n"
              "\r\n");
    EXPECT_EQ(LogBlock({}, "d at t"), "****************\r\nLog generated on d at t\r\n\r\n");
}

TEST_F(NotificationTest, AppendingTwiceGivesTwoBlocksInTheProposedFile) {
    watcher.meSummary.AddScan("Date/Time x", {"Deleted C:\\gone"});
    const std::string proposed = "C:\\Program Files\\Vigilon\\vigilon.txt";
    desktop.logAnswer = proposed;
    watcher.btAppendClick();
    watcher.btAppendClick();
    const std::string block = LogBlock(watcher.meSummary.Lines(), "7/12/2026 at 14:05:09");
    EXPECT_EQ(desktop.files[proposed], block + block);
    EXPECT_EQ(desktop.calls, (Lines{"NotOnTop", "ChooseLogFile:" + proposed, "NotOnTop",
                                    "ChooseLogFile:" + proposed}));
    EXPECT_EQ(watcher.meSummary.Lines().size(), 3u);
}

TEST_F(NotificationTest, CancelledOrFailedAppendWritesNothing) {
    watcher.btAppendClick();
    EXPECT_TRUE(desktop.files.empty());
    desktop.logAnswer = "Q:\\locked.txt";
    desktop.appendFailure = "Access denied.";
    watcher.btAppendClick();
    EXPECT_TRUE(desktop.files.empty());
    EXPECT_EQ(desktop.calls.back(), "ShowError:Access denied.");
}

TEST_F(NotificationTest, PrintedReportLayout) {
    watcher.meSummary.AddScan("Date/Time x", {"Added C:\\a"});
    watcher.btPrintClick();
    EXPECT_EQ(desktop.printed,
              (Lines{"font:Times New Roman/16/b", std::string("line:") + kReportTitle,
                     "line:", "font:Times New Roman/12/b", std::string("line:") + kReportCredit,
                     "line:", "font:Times New Roman/12/r", "line:   Date/Time x",
                     "line:    ", "line:   Added C:\\a",
                     "line:", "line:Printed on 7/12/2026 at 14:05:09", "end"}));
}

TEST_F(NotificationTest, CancelledOrFailedPrintPrintsNothing) {
    desktop.printCancelled = true;
    watcher.btPrintClick();
    desktop.printFailure = "There is no printer installed.";
    watcher.btPrintClick();
    EXPECT_TRUE(desktop.printed.empty());
    EXPECT_EQ(desktop.calls, (Lines{"NotOnTop", "StartPrintJob", "NotOnTop", "StartPrintJob",
                                    "ShowError:There is no printer installed."}));
}

TEST(PagePlacer, StartsANewPageWhenTheNextLineNoLongerFits) {
    PagePlacer placer(100);
    EXPECT_EQ(placer.Next(40).top, 0);
    EXPECT_EQ(placer.Next(40).top, 40);
    const auto third = placer.Next(30);  // 80 + 30 > 100
    EXPECT_EQ(third.page, 1);
    EXPECT_EQ(third.top, 0);
    const auto fourth = placer.Next(70);  // exactly fills the page
    EXPECT_EQ(fourth.page, 1);
    EXPECT_EQ(fourth.top, 30);
    const auto tall = placer.Next(250);  // taller than a page: a page of its own
    EXPECT_EQ(tall.page, 2);
    EXPECT_EQ(tall.top, 0);
    EXPECT_EQ(placer.Next(1).page, 3);
}

class FolderChoiceTest : public testing::WatcherFixture {};

TEST_F(FolderChoiceTest, DuplicateOfAnotherSlotIsRefused) {
    view.controls.dirs[2] = "C:\\three";
    view.controls.dirs[6] = "C:\\seven";
    desktop.folderAnswer = "C:\\seven";
    watcher.sbClick(2);
    EXPECT_EQ(view.controls.dirs[2], "C:\\three");
    EXPECT_EQ(view.calls.back(),
              std::string("ShowMessage:") + kAlreadyMonitoringMessage + "C:\\seven");
    EXPECT_EQ(desktop.calls, (Lines{"NotOnTop", "BrowseFolder:C:\\three"}));
}

TEST_F(FolderChoiceTest, OwnFolderOtherCaseOrNewFolderIsAccepted) {
    view.controls.dirs[2] = "C:\\three";
    view.controls.dirs[6] = "C:\\seven";
    desktop.folderAnswer = "C:\\three";
    watcher.sbClick(2);
    EXPECT_EQ(view.calls.back(), "SetFolderSlot:2:C:\\three");
    desktop.folderAnswer = "C:\\SEVEN";  // the check is case-sensitive
    watcher.sbClick(2);
    EXPECT_EQ(view.controls.dirs[2], "C:\\SEVEN");
}

TEST_F(FolderChoiceTest, CancelLeavesTheSlot) {
    view.controls.dirs[0] = "C:\\one";
    watcher.sbClick(0);
    EXPECT_EQ(view.controls.dirs[0], "C:\\one");
    EXPECT_EQ(view.calls, Lines{});
}

}  // namespace
}  // namespace vigilon
