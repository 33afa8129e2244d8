#include "monitor/mail/SmtpMailer.h"

#include "monitor/mail/MailErrors.h"

namespace vigilon {
namespace {

class BusyMark {
public:
    explicit BusyMark(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyMark() { flag_ = false; }
    BusyMark(const BusyMark&) = delete;
    BusyMark& operator=(const BusyMark&) = delete;

private:
    bool& flag_;
};

}  // namespace

void ComposeNotification(const NotificationMail& mail, TmsMessage& message) {
    message.Recipients.Clear();
    for (const std::string& line : mail.recipients) message.Recipients.Add(line, line);
    message.SetSubject(mail.subject);
    message.Body = mail.body;
    message.Sender.SetAddress(mail.senderAddress);
    message.Sender.SetName(mail.senderName);
}

SmtpMailer::SmtpMailer(std::unique_ptr<SocketApi> api) : api_(std::move(api)), smtp_(*api_) {}

void SmtpMailer::Send(const NotificationMail& mail) {
    if (busy_) throw ESocketError(kSendInProgressMessage);
    BusyMark mark(busy_);
    TmsMessage message;
    ComposeNotification(mail, message);
    api_->ProcessEvents();
    smtp_.Server = mail.server;
    smtp_.MailMessage = &message;
    try {
        smtp_.Send();
    } catch (...) {
        smtp_.MailMessage = nullptr;
        throw;
    }
    smtp_.MailMessage = nullptr;
}

}  // namespace vigilon
