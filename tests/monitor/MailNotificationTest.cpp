#include <gtest/gtest.h>

#include "monitor/WatcherFixture.h"
#include "monitor/watch/MailTransport.h"

namespace vigilon {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, CountsLinesAsATextBoxDoes) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb");
    EXPECT_EQ(SplitLines(JoinLines({"x", "", "y", ""})), (Lines{"x", "", "y"}));
}

class MailNotificationTest : public testing::WatcherFixture {
protected:
    void SetUp() override {
        view.controls.dirs[0] = "C:\\in";
        view.controls.soundAlarm = false;
        view.controls.recipients = {"a@x", "", "b@x"};
        view.controls.subject = "Changes";
        lister.Put("C:\\in", "f", 1);
        watcher.btActivateClick();
    }
    void Change(int time) { lister.Touch("C:\\in", "f", time); }
};

TEST_F(MailNotificationTest, MapiSendGetsEveryRecipientLineAndRenewsTheSnapshot) {
    Change(2);
    watcher.Timer1Timer();
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0].transport, "MAPI");
    EXPECT_EQ(mail.sent[0].recipients, (Lines{"a@x", "", "b@x"}));
    EXPECT_EQ(mail.sent[0].subject, "Changes");
    EXPECT_EQ(mail.sent[0].body, (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Changed C:\\in\\f"}));
    EXPECT_TRUE(watcher.meSummary.empty());
    watcher.Timer1Timer();  // the change is in the new snapshot
    EXPECT_EQ(mail.sent.size(), 1u);
}

TEST_F(MailNotificationTest, AChangeWhileTheMailIsOnItsWayGoesInTheNextMail) {
    Change(2);
    mail.during = [&] { Change(3); };
    watcher.Timer1Timer();
    mail.during = nullptr;
    watcher.Timer1Timer();
    ASSERT_EQ(mail.sent.size(), 2u);
    EXPECT_EQ(mail.sent[1].body, (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Changed C:\\in\\f"}));
}

TEST_F(MailNotificationTest, SmtpSendGetsTheServerSettings) {
    view.controls.mapi = false;
    view.controls.server = "127.0.0.1:2525";
    Change(2);
    watcher.Timer1Timer();
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0].transport, "SMTP");
    EXPECT_EQ(mail.sent[0].server, "127.0.0.1:2525");
}

TEST_F(MailNotificationTest, FailedSendsShowTheErrorAndTheSummaryGrowsUntilOneGoesThrough) {
    mail.failure = "Connection refused";
    Change(2);
    watcher.Timer1Timer();
    watcher.Timer1Timer();
    EXPECT_EQ(desktop.calls,
              (Lines{"ShowError:Connection refused", "ShowError:Connection refused"}));
    ASSERT_EQ(mail.sent.size(), 2u);
    EXPECT_EQ(mail.sent[1].body.size(), 6u);  // two header pairs, the change twice

    mail.failure.clear();
    watcher.Timer1Timer();
    ASSERT_EQ(mail.sent.size(), 3u);
    EXPECT_EQ(mail.sent[2].body, (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Changed C:\\in\\f",
                                        "Date/Time 7/12/2026 14:05:09", " ", "Changed C:\\in\\f",
                                        "Date/Time 7/12/2026 14:05:09", " ", "Changed C:\\in\\f"}));
    EXPECT_TRUE(watcher.meSummary.empty());
    EXPECT_FALSE(watcher.Sending());
}

TEST_F(MailNotificationTest, TicksDuringASendNeitherSendAgainNorTouchTheSummary) {
    Change(2);
    std::vector<std::string> summarySeen;
    mail.during = [&] {
        Change(3);
        watcher.Timer1Timer();
        summarySeen = watcher.meSummary;
        EXPECT_TRUE(watcher.Sending());
    };
    watcher.Timer1Timer();
    EXPECT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(summarySeen.size(), 3u);
    EXPECT_FALSE(watcher.Sending());
}

TEST_F(MailNotificationTest, ScansAndRetriesGoOnBehindOneErrorBox) {
    mail.failure = "Timed out";
    Change(2);
    desktop.whileErrorShown = [&] {
        watcher.Timer1Timer();  // fails again: no second box
        Change(3);
        mail.failure.clear();
        watcher.Timer1Timer();  // goes through with all three scans
    };
    watcher.Timer1Timer();
    EXPECT_EQ(desktop.calls, (Lines{"ShowError:Timed out"}));
    ASSERT_EQ(mail.sent.size(), 3u);
    EXPECT_EQ(mail.sent[2].body.size(), 9u);
    EXPECT_TRUE(watcher.meSummary.empty());
    watcher.Timer1Timer();
    EXPECT_EQ(mail.sent.size(), 3u);
}

TEST_F(MailNotificationTest, ClosingDuringASendCancelsItQuietlyAndWritesTheSettings) {
    Change(2);
    mail.during = [&] {
        watcher.FormClose();
        watcher.FormDestroy();
        mail.failure = "Operation has been canceled";
    };
    watcher.Timer1Timer();
    EXPECT_EQ(mail.cancels, 1);
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_EQ(store.sections["Start"]["Dir1"], "C:\\in");
    mail.during = nullptr;
    watcher.Timer1Timer();
    EXPECT_EQ(mail.sent.size(), 1u);
}

}  // namespace
}  // namespace vigilon
