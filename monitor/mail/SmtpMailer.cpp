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

SmtpMailer::SmtpMailer(SocketApiFactory makeApi, int timeOutSeconds, TlsFactory makeTls)
    : makeApi_(std::move(makeApi)), timeOut_(timeOutSeconds), makeTls_(std::move(makeTls)) {}

SmtpMailer::~SmtpMailer() {
    smtp_.reset();  // the client uses the socket layer to its end
}

void SmtpMailer::Send(const NotificationMail& mail) {
    if (!smtp_) {
        api_ = makeApi_();
        smtp_ = std::make_unique<TmsSMTP>(*api_);
        smtp_->TimeOut = timeOut_;
        smtp_->MakeTls = makeTls_;
    }
    TmsMessage message;
    ComposeNotification(mail, message);
    message.Date = CurrentMailDate();
    message.MessageId = NewMessageId(message.Sender.Address());
    api_->ProcessEvents();
    smtp_->Server = mail.server;
    smtp_->MailMessage = &message;
    smtp_->Security = mail.security;
    smtp_->User = mail.user;
    smtp_->Password = mail.password;
    try {
        smtp_->Send();
    } catch (...) {
        Forget();
        throw;
    }
    Forget();
}

// The password stays in memory no longer than the send.
void SmtpMailer::Forget() {
    smtp_->MailMessage = nullptr;
    smtp_->Password.assign(smtp_->Password.size(), '\0');
    smtp_->Password.clear();
}

void SmtpMailer::Cancel() {
    if (api_) api_->Cancel();
}

}  // namespace vigilon
