#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <string>

#include "monitor/mail/SmtpExtensions.h"
#include "monitor/mail/TagSocket.h"
#include "monitor/mail/TlsEngine.h"
#include "monitor/mail/TmsMessage.h"

namespace vigilon {

inline constexpr const char* kMessageRequiredMessage = "MailMessage property must be assigned";
inline constexpr const char* kSpoolFailedMessage = "Cannot write the message to a temporary file";
inline constexpr const char* kPasswordNeedsTlsMessage =
    "A user name is only sent over a secure connection: choose STARTTLS or TLS "
    "(nothing was sent)";
inline constexpr const char* kNoStartTlsMessage = "The server does not offer STARTTLS";
inline constexpr const char* kTlsUnavailableMessage = "TLS is not available on this system";
inline constexpr std::uint16_t kSmtpPort = 25;
inline constexpr std::uint16_t kSmtpsPort = 465;

// How the connection is protected; the numbers are those stored in the settings.
enum class SmtpSecurity { None = 0, StartTls = 1, Tls = 2 };

using TlsFactory = std::function<std::unique_ptr<TlsEngine>()>;

// The encoded message goes out in blocks of this size.
inline constexpr std::size_t kDataBlockSize = 2047;

// Delivers one message to one SMTP server: connect, greet, envelope, data,
// quit, all within Send.
class TmsSMTP : public TagSocket {
public:
    using TagSocket::TagSocket;

    const TmsMessage* MailMessage = nullptr;
    SmtpSecurity Security = SmtpSecurity::None;
    // With a user, the client logs in (AUTH PLAIN, else AUTH LOGIN), and only
    // over TLS.
    std::string User;
    std::string Password;
    TlsFactory MakeTls;

    // Connects when not connected, sends MailMessage and always ends with the
    // disconnect; throws EMailError on any failure. Waits let program events
    // run; the caller keeps them from sending meanwhile.
    void Send();

private:
    void Greet();
    void Ehlo();
    void SecureConnection();
    void Authenticate();
    void Transmit();
    void SendEnvelope();
    void SendContent(std::istream& encoded);
    void Disconnect();
    // Ends the connection; a failure of the disconnect itself is dropped.
    void DisconnectQuietly();
    // Sends a command and requires a reply of the class (2 or 3).
    void Command(const std::string& line, int replyClass);
    void ExpectReply(int replyClass);

    SmtpExtensions extensions_;
};

}  // namespace vigilon
