#pragma once

#include <string>
#include <vector>

#include "monitor/watch/MonitorSettings.h"

namespace vigilon {

// The two ways the summary is mailed. Both throw an exception derived from
// std::exception whose what() is the text to show the user.
class MailTransport {
public:
    virtual ~MailTransport() = default;
    // Through the user's mail client, without showing its compose window.
    virtual void SendMapi(const std::vector<std::string>& recipients, const std::string& subject,
                          const std::vector<std::string>& body) = 0;
    // Directly to the SMTP server named in the settings.
    virtual void SendSmtp(const MonitorSettings& settings,
                          const std::vector<std::string>& body) = 0;
    // Makes a send that waits give up; it then throws as cancelled.
    virtual void Cancel() = 0;
};

// The lines of a multi-line text box: split at CR LF; a final line break
// does not start another line.
std::vector<std::string> SplitLines(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace vigilon
