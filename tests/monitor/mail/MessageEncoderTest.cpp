#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/MailHeaders.h"
#include "monitor/mail/TmsMessage.h"
#include "monitor/mail/TmsMessageEncoder.h"

namespace vigilon {
namespace {

const std::string kMimeLines =
    "Mime-Version: 1.0\r\n"
    "Content-Type: text/plain; charset=\"us-ascii\"\r\n";

std::string Encode(const TmsMessage& message) {
    std::ostringstream out;
    TmsMessageEncoder(message).Encode(out);
    return out.str();
}

std::string FirstLine(const std::string& encoded) {
    return encoded.substr(0, encoded.find("\r\n"));
}

TmsMessage BasicMessage() {
    TmsMessage message;
    message.Sender = TmsMailAddress("ann@example.com", "Ann Lee");
    message.Recipients.Add("bob@example.com", "Bob");
    message.SetSubject("Changes");
    message.Body = {"Date/Time 7/12/2026 14:05:09", "Added C:\\data\\report.txt"};
    return message;
}

TEST(MessageEncoder, WritesHeadersEmptyLineAndBodyWithCrLf) {
    EXPECT_EQ(Encode(BasicMessage()),
              "From:     Ann Lee <ann@example.com>\r\n"
              "To:       Bob <bob@example.com>\r\n"
              "Subject: Changes\r\n" +
                  kMimeLines +
                  "Content-Transfer-Encoding: 7bit\r\n"
                  "\r\n"
                  "Date/Time 7/12/2026 14:05:09\r\n"
                  "Added C:\\data\\report.txt\r\n");
}

TEST(MessageEncoder, SenderLine) {
    TmsMessage message = BasicMessage();
    message.Sender.SetName("");
    EXPECT_EQ(FirstLine(Encode(message)), "From:      <ann@example.com>");

    message.Sender.SetName("A. Lee");
    EXPECT_EQ(FirstLine(Encode(message)), "From:     \"A. Lee\" <ann@example.com>");

    message.Sender.SetName("\"A. Lee\" jr");
    EXPECT_EQ(FirstLine(Encode(message)), "From:     \"\\\"A. Lee\\\" jr\" <ann@example.com>");

    for (const char* name : {"Smith, John", "a (b)", "<x>", "[y]", "p:q", "r;s", "t@u"}) {
        message.Sender.SetName(name);
        EXPECT_EQ(FirstLine(Encode(message)),
                  "From:     \"" + std::string(name) + "\" <ann@example.com>");
    }
    message.Sender.SetName("back\\slash");
    EXPECT_EQ(FirstLine(Encode(message)), "From:     \"back\\\\slash\" <ann@example.com>");
}

TEST(MessageEncoder, DateAndMessageIdFollowTheSubject) {
    TmsMessage message = BasicMessage();
    message.Date = "Tue, 08 Dec 2026 14:05:09 +0100";
    message.MessageId = "<1.2@example.com>";
    EXPECT_NE(Encode(message).find("Subject: Changes\r\n"
                                   "Date: Tue, 08 Dec 2026 14:05:09 +0100\r\n"
                                   "Message-ID: <1.2@example.com>\r\n" +
                                   kMimeLines),
              std::string::npos);
}

TEST(MessageEncoder, EightBitBodyDeclaresTheCharsetAndGoesQuotedPrintable) {
    TmsMessage message = BasicMessage();
    message.Charset = "windows-1252";
    const std::string plain = Encode(message);
    EXPECT_NE(plain.find(kMimeLines + "Content-Transfer-Encoding: 7bit\r\n"), std::string::npos);

    message.Body = {"Added C:\\caf\xe9.txt"};
    EXPECT_NE(Encode(message).find("Content-Type: text/plain; charset=\"windows-1252\"\r\n"
                                   "Content-Transfer-Encoding: quoted-printable\r\n"
                                   "\r\n"
                                   "Added C:\\caf=E9.txt\r\n"),
              std::string::npos);
}

TEST(MessageEncoder, RecipientLines) {
    TmsMessage message = BasicMessage();
    message.Recipients.Clear();
    message.Recipients.Add("bob.ross@example.com", "bob.ross@example.com");
    EXPECT_NE(Encode(message).find(
                  "\r\nTo:       \"bob.ross@example.com\" <bob.ross@example.com>\r\nSubject"),
              std::string::npos);

    message.Recipients.Clear();
    message.Recipients.Add("a@x", "A");
    message.Recipients.Add("b@x", "B");
    message.Recipients.Add("c@x", "C");
    message.CC.Add("d@x", "D");
    message.BCC.Add("e@x", "E");
    EXPECT_NE(Encode(message).find("\r\n"
                                   "To:       A <a@x>,\r\n"
                                   "          B <b@x>,\r\n"
                                   "          C <c@x>\r\n"
                                   "CC:       D <d@x>\r\n"
                                   "Subject: Changes\r\n"),
              std::string::npos);
    EXPECT_EQ(Encode(message).find("e@x"), std::string::npos);
}

TEST(MessageEncoder, EmptyListsAndSubjectWriteNoLine) {
    TmsMessage message = BasicMessage();
    message.Recipients.Clear();
    message.SetSubject("");
    const std::string expected = "From:     Ann Lee <ann@example.com>\r\n" + kMimeLines;
    EXPECT_EQ(Encode(message).substr(0, expected.size()), expected);
}

TEST(MessageEncoder, AddressLinesAreCutTo255Characters) {
    TmsMessage message = BasicMessage();
    message.Recipients.Clear();
    const std::string longAddress(250, 'a');
    message.Recipients.Add(longAddress, "N");
    message.Recipients.Add("b@x", "B");
    const std::string first = "To:       N <" + longAddress + ">,";
    const std::string encoded = Encode(message);
    EXPECT_NE(encoded.find("\r\n" + first.substr(0, 255) + "\r\n          B <b@x>\r\n"),
              std::string::npos);
}

TEST(MessageEncoder, FieldsKeepAtMost255Characters) {
    TmsMailAddress address(std::string(300, 'a'), std::string(256, 'n'));
    EXPECT_EQ(address.Address().size(), 255u);
    EXPECT_EQ(address.Name().size(), 255u);
    TmsMessage message;
    message.SetSubject(std::string(255, 's') + "cut");
    EXPECT_EQ(message.Subject(), std::string(255, 's'));
}

TEST(MessageEncoder, LineBreaksInFieldsCannotStartHeaderLines) {
    TmsMessage message = BasicMessage();
    message.SetSubject("Hi\r\nBcc: eve@example.com");
    message.Sender = TmsMailAddress("ann@example.com\r\nX-A: 1", "Ann\nX-B: 2");
    message.Recipients.Clear();
    message.Recipients.Add("bob@x\rX-C: 3", "Bob");
    const std::string encoded = Encode(message);
    EXPECT_NE(encoded.find("\r\nSubject: Hi  Bcc: eve@example.com\r\n"), std::string::npos);
    EXPECT_NE(encoded.find("From:     \"Ann X-B: 2\" <ann@example.com  X-A: 1>\r\n"),
              std::string::npos);
    EXPECT_NE(encoded.find("\r\nTo:       Bob <bob@x X-C: 3>\r\n"), std::string::npos);
}

TEST(MessageEncoder, LinesStartingWithFullStopGetAnother) {
    TmsMessage message = BasicMessage();
    message.Body = {".", "..x", "a.", ""};
    const std::string encoded = Encode(message);
    EXPECT_EQ(encoded.substr(encoded.find("\r\n\r\n") + 4), "..\r\n...x\r\na.\r\n\r\n");
}

TEST(MessageEncoder, LineBreaksInsideBodyLinesBecomeLinesOfTheirOwn) {
    TmsMessage message = BasicMessage();
    message.Body = {"a\r\n.\r\nb", "c\nd\re"};
    const std::string encoded = Encode(message);
    EXPECT_EQ(encoded.substr(encoded.find("\r\n\r\n") + 4), "a\r\n..\r\nb\r\nc\r\nd\r\ne\r\n");
}

TEST(MessageEncoder, Lines255CharactersLongStaySevenBit) {
    TmsMessage message = BasicMessage();
    message.Body = {std::string(255, 'x')};
    const std::string encoded = Encode(message);
    EXPECT_NE(
        encoded.find("Content-Transfer-Encoding: 7bit\r\n\r\n" + std::string(255, 'x') + "\r\n"),
        std::string::npos);
}

TEST(MessageEncoder, A256CharacterLineMakesTheWholeBodyQuotedPrintable) {
    TmsMessage message = BasicMessage();
    std::string line;
    for (int i = 0; i < 30; ++i) line += "word" + std::to_string(i) + " ";
    line.resize(300, 'z');
    message.Body = {"Added =x", line};
    const std::string encoded = Encode(message);
    const std::string body = encoded.substr(encoded.find("\r\n\r\n") + 4);
    EXPECT_NE(encoded.find("\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(body.substr(0, 12), "Added =3Dx\r\n");
    std::string joined;
    for (std::size_t start = 12, end; (end = body.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string encodedLine = body.substr(start, end - start);
        const bool last = end + 2 == body.size();
        EXPECT_LE(encodedLine.size(), last ? 65u : 66u) << encodedLine;
        EXPECT_EQ(encodedLine.back() == '=', !last) << encodedLine;
        joined += last ? encodedLine : encodedLine.substr(0, encodedLine.size() - 1);
    }
    EXPECT_EQ(joined, line);
}

TEST(MessageEncoder, ParagraphTooLargeFailsWithoutWriting) {
    TmsMessage message = BasicMessage();
    message.Body = {std::string(24575, 'x')};
    EXPECT_NO_THROW(Encode(message));
    message.Body = {std::string(24576, 'x')};
    std::ostringstream out;
    try {
        TmsMessageEncoder(message).Encode(out);
        FAIL() << "no error";
    } catch (const EMessageError& error) {
        EXPECT_STREQ(error.what(), "Paragraph is too large");
    }
    EXPECT_TRUE(out.str().empty());
}

TEST(MessageCheck, RequiresSenderAndOneRecipientAddress) {
    TmsMessage message = BasicMessage();
    EXPECT_NO_THROW(message.Check());

    message.Sender.SetAddress("");
    EXPECT_THROW(
        {
            try {
                message.Check();
            } catch (const EMessageError& error) {
                EXPECT_STREQ(error.what(), "The address of sender is required");
                throw;
            }
        },
        EMessageError);

    message.Sender.SetAddress("ann@example.com");
    message.Recipients.Clear();
    message.Recipients.Add("", "blank line");
    try {
        message.Check();
        FAIL() << "no error";
    } catch (const EMessageError& error) {
        EXPECT_STREQ(error.what(), "At least one Recipient, CC or BCC must be entered");
    }
    message.BCC.Add("hidden@example.com", "");
    EXPECT_NO_THROW(message.Check());
}

TEST(MailHeaders, DateMessageIdAndCharsetNames) {
    std::tm local{};
    local.tm_year = 126;
    local.tm_mon = 11;
    local.tm_mday = 8;
    local.tm_wday = 2;
    local.tm_hour = 14;
    local.tm_min = 5;
    local.tm_sec = 9;
    EXPECT_EQ(FormatMailDate(local, 60), "Tue, 08 Dec 2026 14:05:09 +0100");
    EXPECT_EQ(FormatMailDate(local, -330), "Tue, 08 Dec 2026 14:05:09 -0530");

    const std::string id = NewMessageId("ann@example.com");
    EXPECT_EQ(id.front(), '<');
    EXPECT_EQ(id.substr(id.size() - 13), "@example.com>");
    EXPECT_NE(NewMessageId("ann@example.com"), id);
    EXPECT_EQ(NewMessageId("Ann <odd>").substr(NewMessageId("x").find('@')), "@vigilon.invalid>");

    EXPECT_EQ(CharsetOfCodePage(1252), "windows-1252");
    EXPECT_EQ(CharsetOfCodePage(1250), "windows-1250");
    EXPECT_EQ(CharsetOfCodePage(932), "shift_jis");
}

}  // namespace
}  // namespace vigilon
