#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/SmtpExtensions.h"
#include "monitor/mail/SmtpMailer.h"
#include "monitor/mail/TmsSMTP.h"
#include "monitor/mail/doubles/FakeTls.h"
#include "monitor/mail/doubles/ScriptedSocketApi.h"

namespace vigilon {
namespace {

using testing::FakeTls;
using testing::ScriptedSocketApi;
using Lines = std::vector<std::string>;

const std::string kEhloTls = "250-mail.example.com\r\n250-SIZE 1000\r\n250 STARTTLS\r\n";
const std::string kEhloAuth = "250-mail.example.com\r\n250-AUTH LOGIN PLAIN\r\n250 8BITMIME\r\n";
const std::string kEhloLoginOnly = "250-mail.example.com\r\n250 AUTH=LOGIN\r\n";
// "\0ann\0s3cret" and its parts.
const std::string kPlainToken = "AGFubgBzM2NyZXQ=";
const std::string kUserToken = "YW5u";
const std::string kPasswordToken = "czNjcmV0";

TEST(EhloReply, ExtensionsAreReadFromEveryLineButTheFirst) {
    struct Case {
        Lines lines;
        bool startTls;
        Lines mechanisms;
    };
    const Case cases[] = {
        {{"250 mail.example.com"}, false, {}},
        {{"250-STARTTLS greets", "250 SIZE"}, false, {}},
        {{"250-x", "250-starttls", "250 AUTH plain Login"}, true, {"PLAIN", "LOGIN"}},
        {{"250-x", "250-AUTH=LOGIN PLAIN", "250 AUTH CRAM-MD5"},
         false,
         {"LOGIN", "PLAIN", "CRAM-MD5"}},
        {{"250-x", "250-AUTHX", "250 STARTTLSX"}, false, {}},
    };
    for (const Case& c : cases) {
        const SmtpExtensions found = ParseEhloReply(c.lines);
        EXPECT_EQ(found.startTls, c.startTls) << c.lines.back();
        EXPECT_EQ(found.authMechanisms, c.mechanisms) << c.lines.back();
    }
}

TEST(Base64, EncodesWithPadding) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {std::string("\0ann\0s3cret", 11), kPlainToken},
        {"\xff\xfe", "//4="},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(Base64(bytes), text);
}

class SecureDialogue : public ::testing::Test {
protected:
    SecureDialogue() {
        message.Sender = TmsMailAddress("ann@example.com", "Ann");
        message.Recipients.Add("bob@example.com", "bob@example.com");
        message.Body = {"Added C:\\data\\report.txt"};
        smtp.Server = "mail.example.com";
        smtp.MailMessage = &message;
        smtp.Security = SmtpSecurity::StartTls;
        smtp.User = "ann";
        smtp.Password = "s3cret";
        smtp.MakeTls = [this] { return tls.Make(); };
    }

    // The replies up to the second EHLO of a STARTTLS conversation.
    void ScriptUpToTls(Lines after) {
        Lines script = {"220 ready\r\n", kEhloTls, "220 go ahead\r\n", "<server hello>\r\n"};
        script.insert(script.end(), after.begin(), after.end());
        api.replies.assign(script.begin(), script.end());
    }

    std::string SendFails() {
        try {
            smtp.Send();
        } catch (const EMailError& error) {
            return error.what();
        }
        ADD_FAILURE() << "Send succeeded";
        return {};
    }

    TmsMessage message;
    ScriptedSocketApi api;
    FakeTls tls;
    TmsSMTP smtp{api};
};

TEST_F(SecureDialogue, StartTlsThenEhloAgainThenAuthPlainAllInsideTls) {
    ScriptUpToTls({kEhloAuth, "235 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n",
                   "250 queued\r\n", "221 bye\r\n"});
    smtp.Send();
    EXPECT_EQ(api.commands,
              (Lines{"EHLO workstation", "STARTTLS", "<client hello>", "EHLO workstation",
                     "AUTH PLAIN " + kPlainToken, "MAIL FROM:<ann@example.com>",
                     "RCPT TO:<bob@example.com>", "DATA", "QUIT"}));
    EXPECT_EQ(tls.host, "mail.example.com");
    EXPECT_EQ(tls.checkedHost, "mail.example.com");
    EXPECT_EQ(tls.encrypted.rfind("EHLO workstation\r\nAUTH PLAIN " + kPlainToken + "\r\n", 0), 0u);
    EXPECT_NE(tls.encrypted.find("QUIT\r\n"), std::string::npos);
    EXPECT_EQ(tls.decrypted.rfind(kEhloAuth, 0), 0u);
    EXPECT_EQ(api.connectedPort, 587);  // the "smtp" service as the double looks it up
}

TEST_F(SecureDialogue, AuthLoginWhenPlainIsNotOffered) {
    ScriptUpToTls({kEhloLoginOnly, "334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n", "235 ok\r\n",
                   "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 queued\r\n", "221 bye\r\n"});
    smtp.Send();
    EXPECT_EQ(Lines(api.commands.begin() + 4, api.commands.begin() + 8),
              (Lines{"AUTH LOGIN", kUserToken, kPasswordToken, "MAIL FROM:<ann@example.com>"}));
}

TEST_F(SecureDialogue, NoUserMeansNoAuth) {
    smtp.User.clear();
    ScriptUpToTls(
        {kEhloAuth, "250 ok\r\n", "250 ok\r\n", "354 go\r\n", "250 queued\r\n", "221 bye\r\n"});
    smtp.Send();
    EXPECT_EQ(api.commands[4], "MAIL FROM:<ann@example.com>");
}

// Each failure ends the send with its text, before any envelope command and
// with the password never sent in clear.
TEST_F(SecureDialogue, FailuresEndTheSendWithTheirText) {
    struct Case {
        const char* what;
        Lines script;
        std::string text;
        bool handshakeFails = false;
        CertificateProblem certificate = CertificateProblem::None;
    };
    const std::string peer = " (mail.example.com:587)";
    const Case cases[] = {
        {"no STARTTLS", {"220 ready\r\n", kEhloAuth, "221 bye\r\n"}, kNoStartTlsMessage + peer},
        {"STARTTLS refused",
         {"220 ready\r\n", kEhloTls, "454 4.7.0 TLS not available\r\n", "221 bye\r\n"},
         "454 4.7.0 TLS not available"},
        {"EHLO refused", {"220 ready\r\n", "502 no EHLO\r\n", "221 bye\r\n"}, "502 no EHLO"},
        {"handshake",
         {"220 ready\r\n", kEhloTls, "220 go ahead\r\n"},
         kHandshakeFailedMessage + std::string("handshake refused (0x80090326)") + peer,
         true},
        {"dropped in the handshake",
         {"220 ready\r\n", kEhloTls, "220 go ahead\r\n"},
         kHandshakeFailedMessage + std::string("Error #10054") + peer},
        {"untrusted",
         {"220 ready\r\n", kEhloTls, "220 go ahead\r\n", "<server hello>\r\n"},
         kUntrustedMessage + peer,
         false,
         CertificateProblem::Untrusted},
        {"expired",
         {"220 ready\r\n", kEhloTls, "220 go ahead\r\n", "<server hello>\r\n"},
         kExpiredMessage + peer,
         false,
         CertificateProblem::Expired},
        {"wrong name",
         {"220 ready\r\n", kEhloTls, "220 go ahead\r\n", "<server hello>\r\n"},
         kWrongNameMessage + peer,
         false,
         CertificateProblem::WrongName},
        {"535",
         {"220 ready\r\n", kEhloTls, "220 go ahead\r\n", "<server hello>\r\n", kEhloAuth,
          "535 5.7.8 Authentication credentials invalid\r\n", "221 bye\r\n"},
         "535 5.7.8 Authentication credentials invalid"},
        {"535 to the password",
         {"220 ready\r\n", kEhloTls, "220 go ahead\r\n", "<server hello>\r\n", kEhloLoginOnly,
          "334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n", "535 no\r\n", "221 bye\r\n"},
         "535 no"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        api.replies.assign(c.script.begin(), c.script.end());
        tls = FakeTls{};
        tls.handshakeFails = c.handshakeFails;
        tls.certificate = c.certificate;
        api.commands.clear();
        api.sent.clear();
        EXPECT_EQ(SendFails(), c.text);
        for (const std::string& command : api.commands) {
            EXPECT_NE(command.rfind("MAIL", 0), 0u);
        }
        // The double does not encrypt: AUTH on the wire must have gone through TLS.
        if (api.sent.find("AUTH") != std::string::npos) {
            EXPECT_NE(tls.encrypted.find("AUTH"), std::string::npos);
        }
        EXPECT_EQ(tls.encrypted.find(c.certificate == CertificateProblem::None ? "MAIL" : "EHLO"),
                  std::string::npos);
        EXPECT_FALSE(api.SocketOpen());
    }
}

TEST_F(SecureDialogue, AUserWithoutTlsSendsNothing) {
    smtp.Security = SmtpSecurity::None;
    api.replies = {"220 ready\r\n", "250 hello\r\n"};
    EXPECT_EQ(SendFails(), kPasswordNeedsTlsMessage);
    EXPECT_EQ(api.startups, 0);
    EXPECT_EQ(api.sent, "");
    EXPECT_FALSE(api.connectedAddress);
}

TEST_F(SecureDialogue, CloseNotifyOrADropAfterTheAcceptedMailIsNoError) {
    for (const std::string& end : {FakeTls::kCloseNotify, std::string()}) {
        Lines script = {kEhloAuth,    "235 ok\r\n", "250 ok\r\n",
                        "250 ok\r\n", "354 go\r\n", "250 queued\r\n"};
        if (!end.empty()) script.push_back(end);
        ScriptUpToTls(script);
        EXPECT_NO_THROW(smtp.Send());
        EXPECT_EQ(api.commands.back(), "QUIT");
        EXPECT_FALSE(api.SocketOpen());
    }
}

// The handshake comes before the greeting, on port 465 when none is given;
// what the server sends with its last handshake message is not lost.
TEST(SecureMailer, TlsFromTheFirstByte) {
    auto owned = std::make_unique<ScriptedSocketApi>();
    ScriptedSocketApi& api = *owned;
    api.replies = {"<server hello>\r\n220 ready\r\n",
                   kEhloAuth,
                   "235 ok\r\n",
                   "250 ok\r\n",
                   "250 ok\r\n",
                   "354 go\r\n",
                   "250 queued\r\n",
                   "221 bye\r\n"};
    FakeTls tls;
    tls.clientHello.clear();
    SmtpMailer mailer([&owned] { return std::unique_ptr<SocketApi>(std::move(owned)); }, 60,
                      [&tls] { return tls.Make(); });
    NotificationMail mail{"mail.example.com",  "", "ann@example.com",
                          {"bob@example.com"}, "", {"x"}};
    mail.security = SmtpSecurity::Tls;
    mail.user = "ann";
    mail.password = "s3cret";
    mailer.Send(mail);
    EXPECT_EQ(api.connectedPort, kSmtpsPort);
    EXPECT_TRUE(api.serviceLookups.empty());
    EXPECT_EQ(api.commands[0], "EHLO workstation");
    EXPECT_EQ(api.commands[1], "AUTH PLAIN " + kPlainToken);
    EXPECT_EQ(tls.encrypted, api.sent);
    EXPECT_EQ(tls.decrypted.rfind("220 ready\r\n", 0), 0u);
}

TEST(SecureMailer, WithoutTlsOnTheSystemASecureSendFails) {
    auto owned = std::make_unique<ScriptedSocketApi>();
    owned->replies = {"220 ready\r\n"};
    SmtpMailer mailer([&owned] { return std::unique_ptr<SocketApi>(std::move(owned)); });
    NotificationMail mail{"mail.example.com",  "", "ann@example.com",
                          {"bob@example.com"}, "", {"x"}};
    mail.security = SmtpSecurity::Tls;
    try {
        mailer.Send(mail);
        FAIL() << "no error";
    } catch (const ESocketError& error) {
        EXPECT_STREQ(error.what(), kTlsUnavailableMessage);
    }
}

}  // namespace
}  // namespace vigilon
