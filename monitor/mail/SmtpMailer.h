#pragma once

#include <functional>
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
    std::vector<std::string> body;     // the summary lines
    std::string charset = "us-ascii";  // of a body with bytes of 128 and above
    SmtpSecurity security = SmtpSecurity::None;
    std::string user = {};  // empty: no login
    std::string password = {};
};

// Fills message with the mail: each recipient line is both the address and
// the display name; every text is cut to 255 characters.
void ComposeNotification(const NotificationMail& mail, TmsMessage& message);

// The monitor's SMTP transport. The socket layer is made at the first send
// and kept for the rest of the run; each mail goes over a connection of its own.
class SmtpMailer {
public:
    using SocketApiFactory = std::function<std::unique_ptr<SocketApi>()>;
    // Without makeTls, only plain mail can go out.
    explicit SmtpMailer(SocketApiFactory makeApi, int timeOutSeconds = 60, TlsFactory makeTls = {});
    ~SmtpMailer();

    // Lets pending program events run once, then composes, stamps with the
    // date and a message id, and sends. Throws EMailError (its what() is the
    // text to show) on any failure, a socket layer that cannot be made included.
    void Send(const NotificationMail& mail);
    // Makes a send that waits give up as cancelled.
    void Cancel();

private:
    void Forget();

    SocketApiFactory makeApi_;
    int timeOut_;
    TlsFactory makeTls_;
    std::unique_ptr<SocketApi> api_;
    std::unique_ptr<TmsSMTP> smtp_;
};

// The socket layer of the platform the program is built for.
std::unique_ptr<SocketApi> CreatePlatformSocketApi();
// A TLS session of the platform the program is built for.
std::unique_ptr<TlsEngine> CreatePlatformTls();

}  // namespace vigilon
