#include <gtest/gtest.h>

#include <algorithm>

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
    Lines box;
};

TEST_F(MailNotificationTest, MapiSendGetsEveryRecipientLineAndRenewsTheSnapshot) {
    Change(2);
    watcher.Timer1Timer();
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0].transport, "MAPI");
    EXPECT_EQ(mail.sent[0].recipients, (Lines{"a@x", "", "b@x"}));
    EXPECT_EQ(mail.sent[0].subject, "Changes");
    EXPECT_EQ(mail.sent[0].body, (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Changed C:\\in\\f"}));
    EXPECT_TRUE(watcher.meSummary.Empty());
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

TEST_F(MailNotificationTest, FailedSendsAreRetriedEveryScanAndTellEachChangeOnce) {
    mail.failure = "Connection refused";
    Change(2);
    watcher.Timer1Timer();
    watcher.Timer1Timer();  // quiet, but the summary still waits to go out
    EXPECT_EQ(desktop.calls,
              (Lines{"ShowError:Connection refused", "ShowError:Connection refused"}));
    ASSERT_EQ(mail.sent.size(), 2u);
    EXPECT_EQ(mail.sent[1].body, mail.sent[0].body);

    mail.failure.clear();
    watcher.Timer1Timer();
    ASSERT_EQ(mail.sent.size(), 3u);
    EXPECT_EQ(mail.sent[2].body, (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Changed C:\\in\\f"}));
    EXPECT_TRUE(watcher.meSummary.Empty());
    EXPECT_FALSE(watcher.Sending());
    watcher.Timer1Timer();  // nothing new, nothing waiting: no mail
    EXPECT_EQ(mail.sent.size(), 3u);
}

// During an outage every event since the last mail that went out is told
// once, in the order seen.
TEST_F(MailNotificationTest, AnOutageGathersEachEventOnceInTheOrderSeen) {
    mail.failure = "Connection refused";
    desktop.whileErrorShown = [&] {
        clock.now.minute = 6;
        Change(2);
        watcher.Timer1Timer();
        clock.now.minute = 7;
        Change(3);
        lister.Put("C:\\in", "brief", 9);
        watcher.Timer1Timer();
        clock.now.minute = 8;
        lister.Remove("C:\\in", "brief");
        watcher.Timer1Timer();
        watcher.Timer1Timer();
        mail.failure.clear();
        watcher.Timer1Timer();
    };
    Change(1);
    lister.Put("C:\\in", "g", 1);
    watcher.Timer1Timer();
    ASSERT_EQ(mail.sent.size(), 6u);
    EXPECT_EQ(
        mail.sent.back().body,
        (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Added C:\\in\\g",
               "Date/Time 7/12/2026 14:06:09", " ", "Changed C:\\in\\f",
               "Date/Time 7/12/2026 14:07:09", " ", "Changed C:\\in\\f", "Added C:\\in\\brief",
               "Date/Time 7/12/2026 14:08:09", " ", "Deleted C:\\in\\brief"}));
}

TEST_F(MailNotificationTest, TheMailHoldsWhatTheBoxShowsUpToTheCap) {
    mail.failure = "Connection refused";
    desktop.whileErrorShown = [&] {
        for (int i = 0; i < 30; ++i) {
            for (int k = 0; k < 400; ++k) lister.Put("C:\\in", std::to_string(i * 400 + k), 1);
            watcher.Timer1Timer();
        }
        box = watcher.meSummary.Lines();
        mail.failure.clear();
        watcher.Timer1Timer();
    };
    watcher.Timer1Timer();  // nothing to tell yet
    Change(2);
    watcher.Timer1Timer();
    ASSERT_FALSE(mail.sent.empty());
    EXPECT_EQ(mail.sent.back().body, box);
    EXPECT_EQ(box.back(), "... and 2001 more changes");
    EXPECT_EQ(std::count_if(box.begin(), box.end(),
                            [](const std::string& l) { return l.rfind("Added ", 0) == 0; }),
              9999);
}

TEST_F(MailNotificationTest, TicksDuringASendNeitherSendAgainNorTouchTheSummary) {
    Change(2);
    std::vector<std::string> summarySeen;
    mail.during = [&] {
        Change(3);
        watcher.Timer1Timer();
        summarySeen = watcher.meSummary.Lines();
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
    EXPECT_EQ(mail.sent[2].body.size(), 6u);  // two scans found a change
    EXPECT_TRUE(watcher.meSummary.Empty());
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

TEST_F(MailNotificationTest, ASendStartedBeforeAnActivationChangesNothing) {
    Change(2);
    const auto reactivate = [&] { watcher.btActivateClick(); };
    mail.during = [&] {
        lister.Put("C:\\in", "new", 5);
        reactivate();
    };
    watcher.Timer1Timer();  // goes out
    mail.during = nullptr;
    watcher.Timer1Timer();
    EXPECT_EQ(mail.sent.size(), 1u);  // the activation's snapshot is the reference
    EXPECT_TRUE(watcher.meSummary.Empty());

    Change(3);
    mail.failure = "Timed out";
    mail.during = [&] {
        reactivate();
        Change(4);
        watcher.Timer1Timer();  // the new monitoring's first scan waits for the send
    };
    watcher.Timer1Timer();  // fails, too late to matter
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_TRUE(watcher.meSummary.Empty());
    mail.during = nullptr;
    mail.failure.clear();
    watcher.Timer1Timer();
    ASSERT_EQ(mail.sent.size(), 3u);
    EXPECT_EQ(mail.sent[2].body, (Lines{"Date/Time 7/12/2026 14:05:09", " ", "Changed C:\\in\\f"}));
}

}  // namespace
}  // namespace vigilon
