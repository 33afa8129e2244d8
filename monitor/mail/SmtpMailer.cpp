#include "monitor/mail/SmtpMailer.h"

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/MailHeaders.h"

#include <utility>

namespace vigilon {

void ComposeNotification(const NotificationMail& mail, TmsMessage& message) {
    message.Recipients.Clear();
    for (const std::string& line : mail.recipients) message.Recipients.Add(line, line);
    message.SetSubject(mail.subject);
    message.Body = mail.body;
    message.Charset = mail.charset;
    message.Sender.SetAddress(mail.senderAddress);
    message.Sender.SetName(mail.senderName);
}

SmtpMailer::SmtpMailer(SocketApiFactory makeApi, int timeOutSeconds)
    : makeApi_(std::move(makeApi)), timeOut_(timeOutSeconds) {}

SmtpMailer::~SmtpMailer() {
    smtp_.reset();  // the client uses the socket layer to its end
}

void SmtpMailer::Send(const NotificationMail& mail) {
    if (!smtp_) {
        api_ = makeApi_();
        smtp_ = std::make_unique<TmsSMTP>(*api_);
        smtp_->TimeOut = timeOut_;
    }
    TmsMessage message;
    ComposeNotification(mail, message);
    message.Date = CurrentMailDate();
    message.MessageId = NewMessageId(message.Sender.Address());
    api_->ProcessEvents();
    smtp_->Server = mail.server;
    smtp_->MailMessage = &message;
    try {
        smtp_->Send();
    } catch (...) {
        smtp_->MailMessage = nullptr;
        throw;
    }
    smtp_->MailMessage = nullptr;
}

void SmtpMailer::Cancel() {
    if (api_) api_->Cancel();
}

}  // namespace vigilon
