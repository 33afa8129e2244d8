#include "monitor/watch/VigilonMailTransport.h"

#include <windows.h>

#include "monitor/mail/MailHeaders.h"
#include "monitor/mail/MapiLibrary.h"
#include "monitor/mail/MapiWin32Cursor.h"

namespace vigilon {

VigilonMailTransport::VigilonMailTransport()
    : smtp_(CreatePlatformSocketApi, 60, CreatePlatformTls),
      mapi_(std::make_unique<MapiLibrary>(), std::make_unique<MapiWin32Cursor>()) {}

VigilonMailTransport::~VigilonMailTransport() = default;

void VigilonMailTransport::SendMapi(const std::vector<std::string>& recipients,
                                    const std::string& subject,
                                    const std::vector<std::string>& body) {
    mapi_.Send(recipients, subject, body);
}

void VigilonMailTransport::SendSmtp(const MonitorSettings& settings,
                                    const std::vector<std::string>& body) {
    NotificationMail mail;
    mail.server = settings.server;
    mail.senderName = settings.sender;
    mail.senderAddress = settings.senderEmail;
    mail.recipients = settings.recipients;
    mail.subject = settings.subject;
    mail.body = body;
    mail.charset = CharsetOfCodePage(GetACP());
    mail.security = static_cast<SmtpSecurity>(settings.security);
    mail.user = settings.user;
    if (!mail.user.empty()) mail.password = StoredPassword(settings.password, vault_);
    smtp_.Send(mail);
}

void VigilonMailTransport::Cancel() {
    smtp_.Cancel();
}

}  // namespace vigilon
