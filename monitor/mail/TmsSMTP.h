#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "monitor/mail/TagSocket.h"
#include "monitor/mail/TmsMessage.h"

namespace vigilon {

inline constexpr const char* kMessageRequiredMessage = "MailMessage property must be assigned";
inline constexpr const char* kSpoolFailedMessage = "Cannot write the message to a temporary file";
// The encoded message goes out in blocks of this size.
inline constexpr std::size_t kDataBlockSize = 2047;

// Delivers one message to one SMTP server: connect, greet, envelope, data,
// quit, all within Send.
class TmsSMTP : public TagSocket {
public:
    using TagSocket::TagSocket;

    const TmsMessage* MailMessage = nullptr;

    // Connects when not connected, sends MailMessage and always ends with the
    // disconnect; throws EMailError on any failure. Waits let program events
    // run; the caller keeps them from sending meanwhile.
    void Send();

private:
    void Greet();
    void Transmit();
    void SendEnvelope();
    void SendContent(std::istream& encoded);
    void Disconnect();
    // Ends the connection; a failure of the disconnect itself is dropped.
    void DisconnectQuietly();
    // Sends a command and requires a reply of the class (2 or 3).
    void Command(const std::string& line, int replyClass);
    void ExpectReply(int replyClass);
};

}  // namespace vigilon
