#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <regex>

// A full disk is played with a file size limit, which only POSIX systems have.
#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#endif
#include <optional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/SmtpMailer.h"
#include "monitor/mail/TmsMessageEncoder.h"
#include "monitor/mail/TmsSMTP.h"
#include "monitor/mail/doubles/ScriptedSocketApi.h"

namespace vigilon {
namespace {

using testing::ScriptedSocketApi;
using Lines = std::vector<std::string>;

std::string Encoded(const TmsMessage& message) {
    std::ostringstream out;
    TmsMessageEncoder(message).Encode(out);
    return out.str();
}

class SmtpDialogue : public ::testing::Test {
protected:
    SmtpDialogue() {
        message.Sender = TmsMailAddress("ann@example.com", "Ann Lee");
        message.Recipients.Add("bob@example.com", "bob@example.com");
        message.SetSubject("Changes");
        message.Body = {"Date/Time 7/12/2026 14:05:09", "Added C:\\data\\report.txt"};
        smtp.Server = "mail.example.com";
        smtp.TimeOut = 7;
        smtp.MailMessage = &message;
    }

    void Script(Lines replies) { api.replies.assign(replies.begin(), replies.end()); }
    void ScriptSuccess() {
        Script({"220 ready\r\n", "250 hello\r\n", "250 sender ok\r\n", "250 recipient ok\r\n",
                "354 go ahead\r\n", "250 queued\r\n", "221 bye\r\n"});
    }

    // Runs Send, which must fail with an exception of type E; returns its text.
    template <typename E>
    std::string SendFails() {
        try {
            smtp.Send();
        } catch (const E& error) {
            return error.what();
        } catch (const std::exception& error) {
            ADD_FAILURE() << "unexpected error: " << error.what();
            return {};
        }
        ADD_FAILURE() << "Send succeeded";
        return {};
    }

    TmsMessage message;
    ScriptedSocketApi api;
    TmsSMTP smtp{api};
};

TEST_F(SmtpDialogue, SendsEnvelopeAndMessageByteForByte) {
    ScriptSuccess();
    smtp.Send();
    EXPECT_EQ(api.sent,
              "HELO workstation\r\n"
              "MAIL FROM:<ann@example.com>\r\n"
              "RCPT TO:<bob@example.com>\r\n"
              "DATA\r\n" +
                  Encoded(message) +
                  "\r\n"
                  ".\r\n"
                  "QUIT\r\n");
    EXPECT_EQ(api.data, Encoded(message) + "\r\n");
    EXPECT_EQ(api.Unread(), "");
    EXPECT_EQ(smtp.LastReply(), "221 bye");
    EXPECT_FALSE(api.SocketOpen());
    EXPECT_FALSE(smtp.Connected());
}

TEST_F(SmtpDialogue, RecipientsGoToCcThenBccInListOrder) {
    message.Recipients.Add("carl@example.com", "Carl");
    message.CC.Add("dora@example.com", "Dora");
    message.BCC.Add("eve@example.com", "Eve");
    Script({"220 ready\r\n", "250 hello\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n",
            "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 queued\r\n", "221 bye\r\n"});
    smtp.Send();
    EXPECT_EQ(api.commands,
              (Lines{"HELO workstation", "MAIL FROM:<ann@example.com>", "RCPT TO:<bob@example.com>",
                     "RCPT TO:<carl@example.com>", "RCPT TO:<dora@example.com>",
                     "RCPT TO:<eve@example.com>", "DATA", "QUIT"}));
}

// The empty line and "." travel with the last block.
TEST_F(SmtpDialogue, MessageGoesOutIn2047ByteBlocksEvenWhenSendsArePartial) {
    message.Body.assign(100, std::string(60, 'x'));
    ScriptSuccess();
    smtp.Send();
    const std::size_t size = Encoded(message).size();
    ASSERT_GT(size, 2 * kDataBlockSize);
    const auto data = std::find(api.sendSizes.begin(), api.sendSizes.end(), kDataBlockSize);
    ASSERT_NE(data, api.sendSizes.end());
    EXPECT_EQ(*(data + 1), kDataBlockSize);
    EXPECT_EQ(*(data + static_cast<long>(size / kDataBlockSize)), size % kDataBlockSize + 5);

    ScriptedSocketApi slow;
    slow.bytesPerSend = 100;
    slow.blockEveryOtherCall = true;
    slow.replies = {"220 ready\r\n",        "250 hello\r\n",    "250 sender ok\r\n",
                    "250 recipient ok\r\n", "354 go ahead\r\n", "250 queued\r\n",
                    "221 bye\r\n"};
    TmsSMTP slowSmtp{slow};
    slowSmtp.Server = smtp.Server;
    slowSmtp.MailMessage = &message;
    slowSmtp.Send();
    EXPECT_EQ(slow.sent, api.sent);
    EXPECT_LE(*std::max_element(slow.sendSizes.begin(), slow.sendSizes.end()), 100u);
}

TEST_F(SmtpDialogue, MultiLineRepliesEndAtTheirCodeAndASpace) {
    Script({"220-first\r\n220-250 not yet\r\n250 other code\r\n220 second\r\n", "250 hello\r\n"});
    smtp.Connect();
    EXPECT_EQ(smtp.ReadReply(), 220);
    EXPECT_EQ(smtp.LastReply(), "220 second");
    api.Deliver("250-a\n250\r\nnext");
    EXPECT_EQ(smtp.ReadReply(), 250);
    EXPECT_EQ(smtp.LastReply(), "250");
    EXPECT_EQ(api.Unread(), "next");
}

TEST_F(SmtpDialogue, ReplyCodes) {
    EXPECT_EQ(ReplyCode("250 ok"), 250);
    EXPECT_EQ(ReplyCode("250"), 250);
    EXPECT_EQ(ReplyCode("25"), -1);
    EXPECT_EQ(ReplyCode("2x0 ok"), -1);
    EXPECT_EQ(ReplyCode(" 25 ok"), -1);
    EXPECT_EQ(ReplyCode(""), -1);
}

TEST_F(SmtpDialogue, RefusedHeloWithNameFallsBackToBareHelo) {
    Script({"220 ready\r\n", "501 bad name\r\n", "250 hello\r\n", "250 ok\r\n", "250 ok\r\n",
            "354 go\r\n", "250 queued\r\n", "221 bye\r\n"});
    smtp.Send();
    EXPECT_EQ(api.commands[0], "HELO workstation");
    EXPECT_EQ(api.commands[1], "HELO");
    EXPECT_EQ(api.commands[2], "MAIL FROM:<ann@example.com>");
}

TEST_F(SmtpDialogue, ServerRepliesOfTheWrongClassEndTheSendAfterQuit) {
    struct Case {
        Lines replies;
        std::string error;
        std::string lastCommand;
    };
    const std::vector<Case> cases = {
        {{"554 go away\r\n", "221 bye\r\n"}, "554 go away", "QUIT"},
        {{"220 ready\r\n", "501 no\r\n", "502 still no\r\n", "221 bye\r\n"},
         "502 still no",
         "HELO"},
        {{"220 ready\r\n", "250 hello\r\n", "553 sender refused\r\n", "221 bye\r\n"},
         "553 sender refused",
         "MAIL FROM:<ann@example.com>"},
        {{"220 ready\r\n", "250 hello\r\n", "250 ok\r\n", "550 no such user\r\n", "221 bye\r\n"},
         "550 no such user",
         "RCPT TO:<bob@example.com>"},
        {{"220 ready\r\n", "250 hello\r\n", "250 ok\r\n", "250 ok\r\n", "250 not 3xx\r\n",
          "221 bye\r\n"},
         "250 not 3xx",
         "DATA"},
        {{"220 ready\r\n", "250 hello\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n",
          "552 too big\r\n", "221 bye\r\n"},
         "552 too big",
         "DATA"},
        {{"hello there\r\n", "221 bye\r\n"}, "hello there", "QUIT"},
    };
    for (const Case& c : cases) {
        ScriptedSocketApi server;
        server.replies.assign(c.replies.begin(), c.replies.end());
        TmsSMTP client{server};
        client.Server = "mail.example.com";
        client.MailMessage = &message;
        try {
            client.Send();
            ADD_FAILURE() << "no error for " << c.error;
        } catch (const EServerError& error) {
            EXPECT_EQ(error.what(), c.error);
        }
        ASSERT_FALSE(server.commands.empty()) << c.error;
        EXPECT_EQ(server.commands.back(), "QUIT") << c.error;
        if (c.lastCommand != "QUIT") {
            EXPECT_EQ(server.commands[server.commands.size() - 2], c.lastCommand);
        }
        EXPECT_FALSE(server.SocketOpen()) << c.error;
    }
}

// Once the server has taken the mail it counts as sent, whatever QUIT brings.
TEST_F(SmtpDialogue, QuitAfterAnAcceptedMailCannotFailTheSend) {
    for (const std::string& quitReply :
         {std::string("500 what\r\n"), ScriptedSocketApi::kSilence, ScriptedSocketApi::kReset}) {
        api = ScriptedSocketApi();
        Script({"220 ready\r\n", "250 hello\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n",
                "250 queued\r\n", quitReply});
        EXPECT_NO_THROW(smtp.Send()) << quitReply;
        EXPECT_EQ(api.commands.back(), "QUIT");
        EXPECT_FALSE(api.SocketOpen());
    }
}

#if __has_include(<sys/resource.h>)

// Writes to files beyond a few bytes fail, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int);
};

TEST_F(SmtpDialogue, AMessageThatCannotBeSpooledIsNeverSent) {
    ScriptSuccess();
    message.Body.assign(100, std::string(70, 'x'));
    {
        const FileSizeLimit limit(512);
        EXPECT_EQ(SendFails<EMessageError>(), kSpoolFailedMessage);
    }
    EXPECT_EQ(std::count(api.commands.begin(), api.commands.end(), "DATA"), 0);
    EXPECT_FALSE(api.SocketOpen());
}
#endif

TEST_F(SmtpDialogue, MessageChecksComeAfterTheGreetingAndBeforeTheEnvelope) {
    message.Sender.SetAddress("");
    Script({"220 ready\r\n", "250 hello\r\n", "221 bye\r\n"});
    EXPECT_EQ(SendFails<EMessageError>(), "The address of sender is required");
    EXPECT_EQ(api.commands, (Lines{"HELO workstation", "QUIT"}));

    api = ScriptedSocketApi();
    message.Sender.SetAddress("ann@example.com");
    message.Recipients.Clear();
    message.Recipients.Add("", "");
    Script({"220 ready\r\n", "250 hello\r\n", "221 bye\r\n"});
    EXPECT_EQ(SendFails<EMessageError>(), "At least one Recipient, CC or BCC must be entered");
    EXPECT_EQ(api.commands, (Lines{"HELO workstation", "QUIT"}));

    api = ScriptedSocketApi();
    smtp.MailMessage = nullptr;
    Script({"220 ready\r\n", "250 hello\r\n", "221 bye\r\n"});
    EXPECT_EQ(SendFails<ESocketError>(), "MailMessage property must be assigned");
    EXPECT_EQ(api.commands, (Lines{"HELO workstation", "QUIT"}));
}

TEST_F(SmtpDialogue, ParagraphTooLargeEndsTheSendBeforeTheEnvelope) {
    message.Body = {std::string(30000, 'x')};
    Script({"220 ready\r\n", "250 hello\r\n", "221 bye\r\n"});
    EXPECT_EQ(SendFails<EMessageError>(), "Paragraph is too large");
    EXPECT_EQ(api.commands, (Lines{"HELO workstation", "QUIT"}));
}

TEST_F(SmtpDialogue, PortChoice) {
    struct Case {
        std::string server;
        std::string serviceName;
        std::optional<std::uint16_t> servicePort;
        bool serviceTimesOut;
        std::uint16_t port;
        bool lookedUp;
    };
    const std::vector<Case> cases = {
        {"mail.example.com:2525", "smtp", 587, false, 2525, false},
        {"mail.example.com:2525", "", 587, false, 2525, false},
        {"mail.example.com:letters", "smtp", 587, false, 587, true},
        {"mail.example.com", "smtp", 587, false, 587, true},
        {"mail.example.com:0", "smtp", 587, false, 587, true},
        {"mail.example.com:65536", "smtp", 587, false, 587, true},
        {"mail.example.com:", "smtp", std::nullopt, false, 25, true},
        {"mail.example.com", "smtp", 587, true, 25, true},
    };
    for (const Case& c : cases) {
        ScriptedSocketApi server;
        server.servicePort = c.servicePort;
        server.serviceLookupTimesOut = c.serviceTimesOut;
        server.replies = {"220 ready\r\n"};
        TmsSMTP client{server};
        client.Server = c.server;
        client.ServiceName = c.serviceName;
        client.Connect();
        EXPECT_EQ(server.connectedPort, c.port) << c.server;
        EXPECT_EQ(server.hostLookups, (Lines{"mail.example.com"})) << c.server;
        EXPECT_EQ(server.serviceLookups.size(), c.lookedUp ? 1u : 0u) << c.server;
        if (c.lookedUp) {
            EXPECT_EQ(server.serviceLookups[0],
                      std::make_pair(std::string("smtp"), std::string("tcp")));
        }
    }
}

TEST_F(SmtpDialogue, ConnectionPreconditions) {
    smtp.Server = "";
    EXPECT_EQ(SendFails<ESocketError>(), "Server property is required");
    EXPECT_EQ(api.startups, 0);

    smtp.Server = "mail.example.com";
    smtp.ServiceName = "";
    EXPECT_EQ(SendFails<ESocketError>(), "Service name is required");

    smtp.ServiceName = "smtp";
    api.startupSucceeds = false;
    EXPECT_EQ(SendFails<ESocketError>(), "Invalid Winsock version");
}

TEST_F(SmtpDialogue, HostResolution) {
    api.replies = {"220 ready\r\n"};
    smtp.Server = "192.168.1.20:25";
    smtp.Connect();
    EXPECT_TRUE(api.hostLookups.empty());
    EXPECT_EQ(api.connectedAddress, ScriptedSocketApi::Pack("192.168.1.20"));
    smtp.Close();

    smtp.Server = "mail.example.com";
    smtp.Connect();
    EXPECT_EQ(api.connectedAddress, ScriptedSocketApi::Pack("10.0.0.7"));
    smtp.Close();

    smtp.Server = "nowhere.example.com";
    EXPECT_EQ(SendFails<ESocketError>(), "Error #11001 (nowhere.example.com)");
    api.errorTexts[11001] = "Host not found";
    EXPECT_EQ(SendFails<ESocketError>(), "Host not found");

    api.hosts["odd.example.com"] = "not-an-address";
    smtp.Server = "odd.example.com";
    EXPECT_EQ(SendFails<ESocketError>(), "Error resolving remote host");

    api.hostLookupTimesOut = true;
    EXPECT_EQ(SendFails<ETimedOutError>(), "Operation timed out");
    EXPECT_FALSE(api.SocketOpen());
}

TEST_F(SmtpDialogue, LocalHostNameFallsBackToTheServerHost) {
    api.hostName.reset();
    smtp.Server = "mail.example.com:2525";
    ScriptSuccess();
    smtp.Send();
    EXPECT_EQ(smtp.LocalHostName(), "mail.example.com");
    EXPECT_EQ(api.commands[0], "HELO mail.example.com");
}

TEST_F(SmtpDialogue, ConnectFailures) {
    api.connectError = kWsaConnectionRefused;
    EXPECT_EQ(SendFails<ESocketError>(), "Error #10061 (mail.example.com:587)");
    EXPECT_FALSE(api.SocketOpen());
    EXPECT_TRUE(api.sent.empty());
    api.systemErrorTexts[kWsaConnectionRefused] = "No connection could be made.";
    smtp.Server = "127.0.0.1";
    api.servicePort.reset();
    EXPECT_EQ(SendFails<ESocketError>(),
              "Error #10061: No connection could be made. (127.0.0.1:25)");

    api.connectError = 0;
    api.connectTimesOut = true;
    EXPECT_EQ(SendFails<ETimedOutError>(), "Operation timed out");
    EXPECT_FALSE(api.SocketOpen());
}

TEST_F(SmtpDialogue, SilenceTimesOutClosesAndSendsNoQuit) {
    Script({"220 ready\r\n", ScriptedSocketApi::kSilence});
    EXPECT_EQ(SendFails<ETimedOutError>(), "Operation timed out");
    EXPECT_EQ(api.commands, (Lines{"HELO workstation"}));
    EXPECT_FALSE(api.SocketOpen());
    for (int seconds : api.waitTimeOuts) EXPECT_EQ(seconds, 7);
}

TEST_F(SmtpDialogue, ResetClosesTheSocket) {
    Script({"220 ready\r\n", "250 hello\r\n", ScriptedSocketApi::kReset});
    EXPECT_EQ(SendFails<ESocketError>(), "Error #10054 (mail.example.com:587)");
    EXPECT_EQ(api.commands, (Lines{"HELO workstation", "MAIL FROM:<ann@example.com>"}));
    EXPECT_FALSE(api.SocketOpen());
}

TEST_F(SmtpDialogue, ServerClosingMidReplyEndsWithWhatArrived) {
    Script({"220 ready\r\n", "25"});
    EXPECT_EQ(SendFails<EServerError>(), "25");
    EXPECT_EQ(api.commands, (Lines{"HELO workstation"}));
    EXPECT_FALSE(api.SocketOpen());

    api = ScriptedSocketApi();
    EXPECT_EQ(SendFails<ESocketError>(), "Error #10054 (mail.example.com:587)");
    EXPECT_FALSE(api.SocketOpen());
}

TEST_F(SmtpDialogue, OverLongReplyLineIsRefusedWithoutOverflow) {
    const std::string fits = "220 " + std::string(kReplyBufferSize - 6, 'x');
    Script({fits + "\r\n", "250 " + std::string(2000, 'y') + "\r\n"});
    smtp.Connect();
    EXPECT_EQ(smtp.ReadReply(), 220);
    EXPECT_EQ(smtp.LastReply(), fits);
    smtp.SendLine("HELO x");
    EXPECT_THROW(smtp.ReadReply(), EServerError);
    EXPECT_EQ(smtp.LastReply(), "250 " + std::string(kReplyBufferSize - 4, 'y'));
    EXPECT_FALSE(api.SocketOpen());

    api = ScriptedSocketApi();
    Script({"220 " + std::string(1100, 'z') + "\r\n"});
    EXPECT_EQ(SendFails<EServerError>().size(), kReplyBufferSize);
    EXPECT_TRUE(api.sent.empty());
}

TEST_F(SmtpDialogue, CancelledWait) {
    ScriptSuccess();
    api.Cancel();
    EXPECT_EQ(SendFails<ECanceledError>(), "Operation has been canceled");
    EXPECT_FALSE(api.SocketOpen());
}

TEST_F(SmtpDialogue, LinesNeedAConnection) {
    EXPECT_THROW(smtp.SendLine("NOOP"), ESocketError);
    try {
        smtp.ReadReply();
        FAIL() << "no error";
    } catch (const ESocketError& error) {
        EXPECT_STREQ(error.what(), "You have to connect to the server first");
    }
}

TEST_F(SmtpDialogue, LineBreaksCannotStartAnotherCommand) {
    api.replies = {"220 ready\r\n"};
    smtp.Connect();
    smtp.SendLine("MAIL FROM:<a@x>\r\nRCPT TO:<eve@x>\nDATA");
    EXPECT_EQ(api.commands, (Lines{"MAIL FROM:<a@x>  RCPT TO:<eve@x> DATA"}));
}

TEST_F(SmtpDialogue, LibraryIsCleanedUpOncePerConnection) {
    {
        TmsSMTP client{api};
        client.Server = "mail.example.com";
        client.MailMessage = &message;
        for (int i = 0; i < 2; ++i) {
            ScriptSuccess();
            client.Send();
        }
        EXPECT_EQ(api.startups, 2);
        EXPECT_EQ(api.cleanups, 0);
    }
    EXPECT_EQ(api.cleanups, 2);
}

// A mailer over one scripted socket layer, made when the mailer asks for it.
SmtpMailer::SocketApiFactory Handing(std::unique_ptr<ScriptedSocketApi>& owned) {
    return [&owned] { return std::unique_ptr<SocketApi>(std::move(owned)); };
}

TEST(SmtpMailer, ComposesTheNotificationAndSends) {
    auto owned = std::make_unique<ScriptedSocketApi>();
    ScriptedSocketApi& api = *owned;
    api.replies = {"220 ready\r\n", "250 hello\r\n", "250 ok\r\n",     "250 ok\r\n",
                   "250 ok\r\n",    "354 go\r\n",    "250 queued\r\n", "221 bye\r\n"};
    int eventsBeforeConnect = -1;
    SmtpMailer mailer(Handing(owned));
    NotificationMail mail;
    mail.server = "mail.example.com";
    mail.senderName = "Vigilon";
    mail.senderAddress = std::string(300, 'a');
    mail.recipients = {"bob@example.com", ""};
    mail.subject = "Folder changes";
    mail.body = {"Date/Time 7/12/2026", "Added C:\\x.txt"};
    api.onProcessEvents = [&] {
        if (eventsBeforeConnect < 0) eventsBeforeConnect = api.startups;
    };
    mailer.Send(mail);
    EXPECT_EQ(eventsBeforeConnect, 0);
    EXPECT_EQ(api.commands[1], "MAIL FROM:<" + std::string(255, 'a') + ">");
    EXPECT_EQ(api.commands[2], "RCPT TO:<bob@example.com>");
    EXPECT_EQ(api.commands[3], "RCPT TO:<>");
    EXPECT_NE(
        api.data.find("\r\nTo:       \"bob@example.com\" <bob@example.com>,\r\n           <>\r\n"),
        std::string::npos);
    EXPECT_NE(api.data.find("\r\nSubject: Folder changes\r\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(
        api.data, std::regex("\r\nDate: (Mon|Tue|Wed|Thu|Fri|Sat|Sun), [0-9]{2} "
                             "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [0-9]{4} "
                             "[0-9]{2}:[0-9]{2}:[0-9]{2} [+-][0-9]{4}\r\n")))
        << api.data;
    EXPECT_TRUE(std::regex_search(api.data,
                                  std::regex("\r\nMessage-ID: <[0-9a-f.]+@vigilon\\.invalid>\r\n")))
        << api.data;
}

TEST(SmtpMailer, TheSocketLayerIsMadeAtTheFirstSendAndItsFailureIsThatSendsError) {
    int made = 0;
    SmtpMailer mailer([&made]() -> std::unique_ptr<SocketApi> {
        ++made;
        throw EWinsockDLLError("Winsock not found");
    });
    EXPECT_EQ(made, 0);
    NotificationMail mail{"mail.example.com",  "", "ann@example.com",
                          {"bob@example.com"}, "", {"x"}};
    for (int attempt = 1; attempt <= 2; ++attempt) {
        try {
            mailer.Send(mail);
            FAIL() << "no error";
        } catch (const EWinsockDLLError& error) {
            EXPECT_STREQ(error.what(), "Winsock not found");
        }
        EXPECT_EQ(made, attempt);
    }
}

TEST(SmtpMailer, FailuresCarryTheirText) {
    auto owned = std::make_unique<ScriptedSocketApi>();
    owned->replies = {"220 ready\r\n", "250 hello\r\n", "250 ok\r\n", "550 unknown user\r\n",
                      "221 bye\r\n"};
    SmtpMailer mailer(Handing(owned));
    NotificationMail mail{"mail.example.com",     "", "ann@example.com",
                          {"nobody@example.com"}, "", {"x"}};
    try {
        mailer.Send(mail);
        FAIL() << "no error";
    } catch (const EMailError& error) {
        EXPECT_STREQ(error.what(), "550 unknown user");
    }
}

}  // namespace
}  // namespace vigilon
