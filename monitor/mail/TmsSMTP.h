#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "monitor/mail/TagSocket.h"
#include "monitor/mail/TmsMessage.h"

namespace vigilon {

inline constexpr const char* kMessageRequiredMessage = "MailMessage property must be assigned";
inline constexpr const char* kSendInProgressMessage = "A mail is already being sent";
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
    // run, and an event that calls Send again meanwhile gets an ESocketError.
    void Send();

private:
    void Greet();
    void Transmit();
    void SendEnvelope();
    void SendContent(std::istream& encoded);
    void Disconnect();
    void DisconnectAfterFailure();
    // Sends a command and requires a reply of the class (2 or 3).
    void Command(const std::string& line, int replyClass);
    void ExpectReply(int replyClass);

    bool sending_ = false;
};

}  // namespace vigilon
