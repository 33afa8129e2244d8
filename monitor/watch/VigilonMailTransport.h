#pragma once

#include <memory>

#include "monitor/mail/MapiMailer.h"
#include "monitor/mail/SmtpMailer.h"
#include "monitor/watch/DpapiPasswordVault.h"
#include "monitor/watch/MailTransport.h"

namespace vigilon {

// The monitor's mail: SMTP through the socket library, loaded at the first
// SMTP send (alarm and MAPI users never need it), MAPI through the user's
// mail client.
class VigilonMailTransport : public MailTransport {
public:
    VigilonMailTransport();
    ~VigilonMailTransport() override;

    void SendMapi(const std::vector<std::string>& recipients, const std::string& subject,
                  const std::vector<std::string>& body) override;
    void SendSmtp(const MonitorSettings& settings, const std::vector<std::string>& body) override;
    void Cancel() override;

private:
    SmtpMailer smtp_;
    MapiMailer mapi_;
    DpapiPasswordVault vault_;
};

}  // namespace vigilon
