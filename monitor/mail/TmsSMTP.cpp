#include "monitor/mail/TmsSMTP.h"

#include <string>
#include <vector>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/TempFile.h"
#include "monitor/mail/TmsMessageEncoder.h"

namespace vigilon {

void TmsSMTP::Send() {
    try {
        if (!Connected()) {
            Connect();
            Greet();
        }
        Transmit();
    } catch (...) {
        DisconnectQuietly();
        throw;
    }
    // The server has taken the mail: a missing or negative QUIT reply must not
    // make the caller send it again.
    DisconnectQuietly();
}

void TmsSMTP::Greet() {
    ExpectReply(2);
    SendLine("HELO " + LocalHostName());
    if (ReadReply() / 100 == 2) return;
    if (!Connected()) throw EServerError(LastReply());
    Command("HELO", 2);
}

void TmsSMTP::Transmit() {
    if (MailMessage == nullptr) throw ESocketError(kMessageRequiredMessage);
    MailMessage->Check();
    TempFile encoded;
    TmsMessageEncoder(*MailMessage).Encode(encoded.Stream());
    encoded.Stream().flush();
    // A cut message must never reach the server as if it were whole.
    if (!encoded.Stream()) throw EMessageError(kSpoolFailedMessage);
    SendEnvelope();
    SendContent(encoded.Stream());
}

void TmsSMTP::SendEnvelope() {
    Command("MAIL FROM:<" + MailMessage->Sender.Address() + ">", 2);
    for (const TmsAddressList* list :
         {&MailMessage->Recipients, &MailMessage->CC, &MailMessage->BCC}) {
        for (const TmsMailAddress& entry : *list) Command("RCPT TO:<" + entry.Address() + ">", 2);
    }
    Command("DATA", 3);
}

// The empty line and the end-of-data line go out with the last block: sent
// apart, the small write would wait for the acknowledgement of the block
// (Nagle's algorithm against delayed acknowledgements), which costs tens of
// milliseconds per mail.
void TmsSMTP::SendContent(std::istream& encoded) {
    static constexpr char kEndOfData[] = "\r\n.\r\n";
    encoded.seekg(0);
    std::vector<char> block(kDataBlockSize);
    while (true) {
        encoded.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto count = static_cast<std::size_t>(encoded.gcount());
        if (encoded.peek() == std::char_traits<char>::eof()) {
            if (encoded.bad()) throw EMessageError(kSpoolFailedMessage);
            std::string last(block.data(), count);
            last += kEndOfData;
            SendData(last.data(), last.size());
            break;
        }
        SendData(block.data(), count);
    }
    ExpectReply(2);
}

// QUIT goes out only on a live connection; the socket is closed whatever the
// reply.
void TmsSMTP::Disconnect() {
    if (!Connected()) {
        Close();
        return;
    }
    Api().ProcessEvents();
    int code = -1;
    try {
        SendLine("QUIT");
        code = ReadReply();
    } catch (...) {
        Close();
        throw;
    }
    Close();
    if (code / 100 != 2) throw EServerError(LastReply());
}

void TmsSMTP::DisconnectQuietly() {
    try {
        Disconnect();
    } catch (const EMailError&) {
        Close();
    }
}

void TmsSMTP::Command(const std::string& line, int replyClass) {
    SendLine(line);
    ExpectReply(replyClass);
}

void TmsSMTP::ExpectReply(int replyClass) {
    if (ReadReply() / 100 != replyClass) throw EServerError(LastReply());
}

}  // namespace vigilon
