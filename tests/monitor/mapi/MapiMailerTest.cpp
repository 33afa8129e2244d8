#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "monitor/mail/MapiErrors.h"
#include "monitor/mail/MapiMailer.h"
#include "monitor/mapi/doubles/FakeMapi.h"

namespace vigilon {
namespace {

using ::testing::ElementsAre;
using testing::FakeMapiApi;
using testing::FakeMapiCursor;
using testing::FakeMapiState;

const std::string kSession = std::to_string(0x5e55);

class MapiMailerTest : public ::testing::Test {
protected:
    MapiMailerTest()
        : mailer(std::make_unique<FakeMapiApi>(state), std::make_unique<FakeMapiCursor>(state)) {}

    FakeMapiState state;
    MapiMailer mailer;
};

TEST_F(MapiMailerTest, SendsTheSummaryToEveryLineWithoutTheComposeWindow) {
    mailer.Send({"ann@example.test", "bob"}, "Folder changes", {"Date/Time x", "Added y"});

    EXPECT_THAT(state.calls,
                ElementsAre("ShowHourglass", "Logon:::73",
                            "ResolveName:" + kSession + ":ann@example.test:9",
                            "ResolveName:" + kSession + ":bob:9", "SendMail:" + kSession + ":1",
                            "FreeBuffer:ann@example.test", "FreeBuffer:bob", "Restore"));
    const MapiMail& mail = state.sent.at(0);
    EXPECT_EQ(mail.subject, "Folder changes");
    EXPECT_EQ(mail.noteText, "Date/Time x\r\nAdded y\r\n");
    ASSERT_EQ(mail.recipients.size(), 2u);
    EXPECT_EQ(mail.recipients[1].recipientClass, MapiRecipientClass::To);
}

TEST_F(MapiMailerTest, BlankLineIsARecipientWhoseResolutionFails) {
    state.resolveResults[""] = 14;

    EXPECT_THROW(mailer.Send({"ann", "", "bob"}, "s", {"b"}), EMapiError);
    EXPECT_EQ(state.calls.at(3), "ResolveName:" + kSession + "::9");
    EXPECT_THAT(state.sent, ::testing::IsEmpty());
    EXPECT_THAT(state.FreeingFaults(), ::testing::IsEmpty());
}

TEST_F(MapiMailerTest, EmptyRecipientListLeavesTheAddressingToTheComposeWindow) {
    mailer.Send({}, "s", {"b"});

    EXPECT_EQ(state.calls.at(2), "SendMail:" + kSession + ":9");
}

TEST_F(MapiMailerTest, LaterSendsReplaceRecipientsSubjectAndBodyAndKeepTheSession) {
    mailer.Send({"ann"}, "first", {"one"});
    mailer.Send({"bob"}, "second", {"two"});

    EXPECT_EQ(std::count(state.calls.begin(), state.calls.end(), "Logon:::73"), 1);
    const MapiMail& mail = state.sent.at(1);
    EXPECT_EQ(mail.subject, "second");
    EXPECT_EQ(mail.noteText, "two\r\n");
    ASSERT_EQ(mail.recipients.size(), 1u);
    EXPECT_EQ(mail.recipients[0].address, "SMTP:bob");
}

}  // namespace
}  // namespace vigilon
