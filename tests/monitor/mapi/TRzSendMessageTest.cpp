#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "monitor/mail/MapiErrors.h"
#include "monitor/mail/TRzSendMessage.h"
#include "monitor/mapi/doubles/FakeMapi.h"

namespace vigilon {
namespace {

using ::testing::ElementsAre;
using testing::FakeMapiApi;
using testing::FakeMapiCursor;
using testing::FakeMapiState;
using ::testing::IsEmpty;

const std::string kSession = std::to_string(0x5e55);

class TRzSendMessageTest : public ::testing::Test {
protected:
    TRzSendMessageTest()
        : sender(std::make_unique<FakeMapiApi>(state), std::make_unique<FakeMapiCursor>(state)) {}

    // The text of the exception Send throws, "" when it returns.
    std::string SendError() {
        try {
            sender.Send();
        } catch (const EMailError& error) {
            return error.what();
        }
        return "";
    }

    FakeMapiState state;
    TRzSendMessage sender;
};

// ---- logon ----------------------------------------------------------------------

TEST_F(TRzSendMessageTest, LogsOnWithFlags73WithoutProfileAnd9WithOne) {
    sender.ToRecipients = {"ann"};
    sender.Send();

    FakeMapiState named;
    TRzSendMessage withProfile(std::make_unique<FakeMapiApi>(named),
                               std::make_unique<FakeMapiCursor>(named));
    withProfile.ProfileName = "Office";
    withProfile.Password = "secret";
    withProfile.ToRecipients = {"ann"};
    withProfile.Send();

    EXPECT_EQ(state.calls.at(1), "Logon:::73");
    EXPECT_EQ(named.calls.at(1), "Logon:Office:secret:9");
}

TEST_F(TRzSendMessageTest, LogsOnOnceForTwoSendsAndUsesItsSession) {
    sender.ToRecipients = {"ann"};
    sender.Send();
    sender.Send();

    EXPECT_EQ(std::count(state.calls.begin(), state.calls.end(), "Logon:::73"), 1);
    EXPECT_EQ(sender.Session(), 0x5e55u);
    EXPECT_EQ(state.calls.back(), "Restore");
    EXPECT_EQ(state.calls.at(state.calls.size() - 3), "SendMail:" + kSession + ":9");
}

TEST_F(TRzSendMessageTest, FailedLogonSendsNothingAndIsTriedAgainNextTime) {
    state.logonResult = 3;
    sender.ToRecipients = {"ann"};

    EXPECT_EQ(SendError(), "MAPI: Login Failure. ErrorCode = 3");
    EXPECT_THAT(state.calls, ElementsAre("ShowHourglass", "Logon:::73", "Restore"));
    EXPECT_EQ(sender.Session(), 0u);

    state.logonResult = kMapiSuccess;
    EXPECT_EQ(SendError(), "");
    EXPECT_EQ(std::count(state.calls.begin(), state.calls.end(), "Logon:::73"), 2);
}

// ---- recipients and the order of calls ----------------------------------------------

TEST_F(TRzSendMessageTest, ResolvesToThenCcThenBccAndFreesEveryDescriptorAfterSending) {
    sender.ToRecipients = {"ann", "bob"};
    sender.CcRecipients = {"cy"};
    sender.BccRecipients = {"dee"};
    sender.Send();

    EXPECT_THAT(
        state.calls,
        ElementsAre("ShowHourglass", "Logon:::73", "ResolveName:" + kSession + ":ann:9",
                    "ResolveName:" + kSession + ":bob:9", "ResolveName:" + kSession + ":cy:9",
                    "ResolveName:" + kSession + ":dee:9", "SendMail:" + kSession + ":9",
                    "FreeBuffer:ann", "FreeBuffer:bob", "FreeBuffer:cy", "FreeBuffer:dee",
                    "Restore"));
    EXPECT_THAT(state.FreeingFaults(), IsEmpty());
}

TEST_F(TRzSendMessageTest, RecipientRecordsCarryTheResolvedNameAddressAndClass) {
    sender.ToRecipients = {"ann"};
    sender.CcRecipients = {"cy"};
    sender.BccRecipients = {"dee"};
    sender.Send();

    const std::vector<MapiRecipient>& recipients = state.sent.at(0).recipients;
    ASSERT_EQ(recipients.size(), 3u);
    EXPECT_EQ(recipients[0].recipientClass, MapiRecipientClass::To);
    EXPECT_EQ(recipients[1].recipientClass, MapiRecipientClass::Cc);
    EXPECT_EQ(recipients[2].recipientClass, MapiRecipientClass::Bcc);
    EXPECT_EQ(static_cast<int>(recipients[2].recipientClass), 3);
    EXPECT_EQ(recipients[0].name, "Resolved ann");
    EXPECT_EQ(recipients[0].address, "SMTP:ann");
    EXPECT_EQ(recipients[1].name, "Resolved cy");
}

TEST_F(TRzSendMessageTest, UnresolvedRecipientFreesTheOnesBeforeAndSendsNothing) {
    state.resolveResults["nobody"] = 14;
    sender.ToRecipients = {"ann", "bob", "nobody", "eve"};

    EXPECT_EQ(SendError(), "MAPI: Unknown Recipient. ErrorCode = 14");
    EXPECT_THAT(state.sent, IsEmpty());
    EXPECT_EQ(state.calls.at(4), "ResolveName:" + kSession + ":nobody:9");
    EXPECT_THAT(std::vector<std::string>(state.calls.begin() + 5, state.calls.end()),
                ElementsAre("FreeBuffer:ann", "FreeBuffer:bob", "Restore"));
    EXPECT_THAT(state.FreeingFaults(), IsEmpty());
}

TEST_F(TRzSendMessageTest, FirstRecipientUnresolvedFreesNothing) {
    state.resolveResults[""] = 25;
    sender.ToRecipients = {"", "ann"};

    EXPECT_EQ(SendError(), "MAPI: Invalid Recipients. ErrorCode = 25");
    EXPECT_THAT(state.freed, IsEmpty());
    EXPECT_THAT(state.sent, IsEmpty());
}

TEST_F(TRzSendMessageTest, FailedSendStillFreesEveryDescriptor) {
    state.sendResult = 23;
    sender.ToRecipients = {"ann"};
    sender.BccRecipients = {"dee"};

    EXPECT_EQ(SendError(), "MAPI: Network Failure. ErrorCode = 23");
    EXPECT_THAT(state.FreeingFaults(), IsEmpty());
    EXPECT_EQ(state.calls.back(), "Restore");
}

// ---- send flags -------------------------------------------------------------------

TEST_F(TRzSendMessageTest, SendFlagsShowTheComposeWindowForReviewOrWithoutToRecipients) {
    struct Case {
        bool review;
        std::vector<std::string> to;
        std::vector<std::string> cc;
        MapiFlags flags;
    };
    const Case cases[] = {
        {true, {"ann"}, {}, 9}, {false, {"ann"}, {}, 1}, {false, {}, {"cy"}, 9},
        {false, {}, {}, 9},     {true, {}, {}, 9},
    };
    for (const Case& c : cases) {
        sender.Review = c.review;
        sender.ToRecipients = c.to;
        sender.CcRecipients = c.cc;
        state.calls.clear();
        sender.Send();
        EXPECT_EQ(state.calls.at(state.calls.size() - 2 - c.to.size() - c.cc.size()),
                  "SendMail:" + kSession + ":" + std::to_string(c.flags))
            << "review " << c.review << ", " << c.to.size() << " To, " << c.cc.size() << " Cc";
    }
}

// ---- the message record ------------------------------------------------------------

TEST_F(TRzSendMessageTest, NoteTextEndsEveryLineWithCrLf) {
    sender.ToRecipients = {"ann"};
    sender.MessageText = {"Date/Time 7/12/2026 14:05:09", "", "Added c:\\a.txt"};
    sender.Subject = "Changes";
    sender.Send();

    EXPECT_EQ(state.sent.at(0).noteText, "Date/Time 7/12/2026 14:05:09\r\n\r\nAdded c:\\a.txt\r\n");
    EXPECT_EQ(state.sent.at(0).subject, "Changes");
    EXPECT_THAT(state.sent.at(0).attachments, IsEmpty());
}

TEST_F(TRzSendMessageTest, EmptySubjectAndTextStayEmpty) {
    sender.ToRecipients = {"ann"};
    sender.Send();

    EXPECT_EQ(state.sent.at(0).subject, "");
    EXPECT_EQ(state.sent.at(0).noteText, "");
}

TEST_F(TRzSendMessageTest, SubjectIsCutTo255Characters) {
    sender.ToRecipients = {"ann"};
    sender.Subject = std::string(254, 'a') + "bcd";
    sender.Send();

    EXPECT_EQ(state.sent.at(0).subject, std::string(254, 'a') + "b");
}

TEST_F(TRzSendMessageTest, AttachmentsTakeThePlacesOfALastLineOfSpaces) {
    sender.ToRecipients = {"ann"};
    sender.MessageText = {"see"};
    sender.Attachments = {"a.txt", "b.txt"};
    sender.Send();
    sender.Send();

    for (const MapiMail& mail : state.sent) {
        EXPECT_EQ(mail.noteText, "see\r\n  \r\n");
        ASSERT_EQ(mail.attachments.size(), 2u);
        EXPECT_EQ(mail.attachments[0].path, "a.txt");
        EXPECT_EQ(mail.attachments[0].position, 5u);
        EXPECT_EQ(mail.attachments[1].path, "b.txt");
        EXPECT_EQ(mail.attachments[1].position, 6u);
    }
    EXPECT_THAT(sender.MessageText, ElementsAre("see"));
}

// ---- errors, cursor, session and busy state -----------------------------------------------

TEST_F(TRzSendMessageTest, UserAbortIsItsOwnErrorWithCode1) {
    state.sendResult = kMapiUserAbort;
    sender.ToRecipients = {"ann"};

    try {
        sender.Send();
        FAIL() << "no exception";
    } catch (const EMapiUserAbort& abort) {
        EXPECT_STREQ(abort.what(), "User Abort");
        EXPECT_EQ(abort.Code(), 1u);
    }
    EXPECT_THAT(state.FreeingFaults(), IsEmpty());
}

TEST_F(TRzSendMessageTest, OtherFailuresAreMapiErrorsButNotUserAborts) {
    state.sendResult = 2;
    sender.ToRecipients = {"ann"};

    try {
        sender.Send();
        FAIL() << "no exception";
    } catch (const EMapiUserAbort&) {
        FAIL() << "a general failure taken for a user abort";
    } catch (const EMapiError& error) {
        EXPECT_STREQ(error.what(), "MAPI: General Failure. ErrorCode = 2");
        EXPECT_EQ(error.Code(), 2u);
    }
}

TEST_F(TRzSendMessageTest, HourglassShowsWhileTheLibraryWorksAndGoesOnFailure) {
    std::vector<bool> shownDuringSend;
    state.duringSend = [&] { shownDuringSend.push_back(state.hourglassShown); };
    state.sendResult = 2;
    sender.ToRecipients = {"ann"};

    EXPECT_NE(SendError(), "");
    EXPECT_THAT(shownDuringSend, ElementsAre(true));
    EXPECT_FALSE(state.hourglassShown);
    EXPECT_EQ(state.calls.front(), "ShowHourglass");
}

TEST_F(TRzSendMessageTest, InvalidSessionIsReportedAndTheNextSendLogsOnAgain) {
    sender.ToRecipients = {"ann"};
    sender.Send();
    state.sendResult = 19;
    state.sessionToGive = 0x77;

    EXPECT_EQ(SendError(), "MAPI: Invalid Session. ErrorCode = 19");
    EXPECT_EQ(sender.Session(), 0u);

    state.sendResult = kMapiSuccess;
    state.calls.clear();
    EXPECT_EQ(SendError(), "");
    EXPECT_EQ(state.calls.at(1), "Logon:::73");
    EXPECT_EQ(state.calls.at(3), "SendMail:" + std::to_string(0x77) + ":9");
}

TEST_F(TRzSendMessageTest, OtherFailuresKeepTheSession) {
    sender.ToRecipients = {"ann"};
    state.sendResult = 23;
    EXPECT_NE(SendError(), "");

    EXPECT_EQ(sender.Session(), 0x5e55u);
}

}  // namespace
}  // namespace vigilon
