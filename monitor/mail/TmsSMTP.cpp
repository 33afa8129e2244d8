#include "monitor/mail/TmsSMTP.h"

#include <string>
#include <vector>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/TempFile.h"
#include "monitor/mail/TmsMessageEncoder.h"

namespace vigilon {

void TmsSMTP::Send() {
    if (!User.empty() && Security == SmtpSecurity::None)
        throw ESocketError(kPasswordNeedsTlsMessage);
    // TLS from the first byte has its own port; no service name says which.
    LookUpService = Security != SmtpSecurity::Tls;
    DefaultPort = Security == SmtpSecurity::Tls ? kSmtpsPort : kSmtpPort;
    try {
        if (!Connected()) {
            Connect();
            if (Security == SmtpSecurity::Tls) SecureConnection();
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
    if (Security == SmtpSecurity::None && User.empty()) {
        SendLine("HELO " + LocalHostName());
        if (ReadReply() / 100 == 2) return;
        if (!Connected()) throw EServerError(LastReply());
        Command("HELO", 2);
        return;
    }
    Ehlo();
    if (Security == SmtpSecurity::StartTls) {
        if (!extensions_.startTls)
            throw ESocketError(std::string(kNoStartTlsMessage) + " (" + Peer() + ")");
        Command("STARTTLS", 2);
        SecureConnection();
        Ehlo();  // what the server offered before TLS no longer counts
    }
    if (!User.empty()) Authenticate();
}

void TmsSMTP::Ehlo() {
    Command("EHLO " + LocalHostName(), 2);
    extensions_ = ParseEhloReply(ReplyLines());
}

void TmsSMTP::SecureConnection() {
    std::unique_ptr<TlsEngine> engine = MakeTls ? MakeTls() : nullptr;
    if (!engine) throw ESocketError(kTlsUnavailableMessage);
    StartTls(std::move(engine));
}

void TmsSMTP::Authenticate() {
    if (extensions_.OffersAuth("PLAIN")) {
        Command("AUTH PLAIN " + Base64(std::string(1, '\0') + User + '\0' + Password), 2);
        return;
    }
    Command("AUTH LOGIN", 3);
    Command(Base64(User), 3);
    Command(Base64(Password), 2);
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
