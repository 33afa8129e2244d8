#include "monitor/watch/VigilonMailTransport.h"

#include <stdexcept>

namespace vigilon {

VigilonMailTransport::VigilonMailTransport() : smtp_(CreatePlatformSocketApi()) {}

VigilonMailTransport::~VigilonMailTransport() = default;

void VigilonMailTransport::SendMapi(const std::vector<std::string>& recipients,
                                    const std::string& subject,
                                    const std::vector<std::string>& body) {
    (void)recipients;
    (void)subject;
    (void)body;
    throw std::runtime_error("Sending through MAPI is not available yet.");
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
    smtp_.Send(mail);
}

}  // namespace vigilon
