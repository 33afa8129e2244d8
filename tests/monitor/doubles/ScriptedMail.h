#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "monitor/watch/MailTransport.h"

namespace vigilon::testing {

// Records each send ("MAPI" or "SMTP") with what it was given; fails with
// failure's text while failure is not empty. during runs inside each send,
// as the window events that a waiting transport lets through.
class ScriptedMail : public MailTransport {
public:
    struct Sent {
        std::string transport;
        std::vector<std::string> recipients;
        std::string subject;
        std::vector<std::string> body;
        std::string server;
    };
    std::vector<Sent> sent;
    std::string failure;
    std::function<void()> during;

    void SendMapi(const std::vector<std::string>& recipients, const std::string& subject,
                  const std::vector<std::string>& body) override {
        Record(Sent{"MAPI", recipients, subject, body, ""});
    }
    void SendSmtp(const MonitorSettings& s, const std::vector<std::string>& body) override {
        Record(Sent{"SMTP", s.recipients, s.subject, body, s.server});
    }
    void Cancel() override { ++cancels; }
    int cancels = 0;

private:
    void Record(Sent s) {
        sent.push_back(std::move(s));
        if (during) during();
        if (!failure.empty()) throw std::runtime_error(failure);
    }
};

}  // namespace vigilon::testing
