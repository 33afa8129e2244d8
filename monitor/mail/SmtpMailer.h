#pragma once

#include <memory>
#include <string>
#include <vector>

#include "monitor/mail/SocketApi.h"
#include "monitor/mail/TmsMessage.h"
#include "monitor/mail/TmsSMTP.h"

namespace vigilon {

// What the folder monitor mails: texts as the user typed them.
struct NotificationMail {
    std::string server;  // "host" or "host:port"
    std::string senderName;
    std::string senderAddress;
    std::vector<std::string> recipients;  // one address per entry, blank ones included
    std::string subject;
    std::vector<std::string> body;  // the summary lines
};

// Fills message with the mail: each recipient line is both the address and
// the display name; every text is cut to 255 characters.
void ComposeNotification(const NotificationMail& mail, TmsMessage& message);

// The monitor's SMTP transport. Owns the socket layer for the whole run and
// sends one mail per call over a connection of its own.
class SmtpMailer {
public:
    explicit SmtpMailer(std::unique_ptr<SocketApi> api);

    // Lets pending program events run once, then composes and sends. Throws
    // EMailError (its what() is the text to show) on any failure.
    void Send(const NotificationMail& mail);
    void SetTimeOut(int seconds) { smtp_.TimeOut = seconds; }
    // True while a send waits; events handled meanwhile must not send again.
    bool Busy() const { return busy_; }

private:
    std::unique_ptr<SocketApi> api_;
    TmsSMTP smtp_;
    bool busy_ = false;
};

// The socket layer of the platform the program is built for.
std::unique_ptr<SocketApi> CreatePlatformSocketApi();

}  // namespace vigilon
