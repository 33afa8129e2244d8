#pragma once

#include <memory>
#include <string>
#include <vector>

#include "monitor/mail/MapiApi.h"
#include "monitor/mail/MapiCursor.h"
#include "monitor/mail/TRzSendMessage.h"

namespace vigilon {

// The folder monitor's MAPI transport: mails the summary to the recipient
// lines without showing the mail client's compose window. One MAPI session
// serves every send of the run.
class MapiMailer {
public:
    MapiMailer(std::unique_ptr<MapiApi> api, std::unique_ptr<MapiCursor> cursor);

    // Every recipient line is one To recipient, blank lines included (name
    // resolution rejects those). Throws EMapiUserAbort or EMapiError. The mail
    // client's dialogs let program events run; the caller keeps them from
    // sending meanwhile.
    void Send(const std::vector<std::string>& recipients, const std::string& subject,
              const std::vector<std::string>& body);

private:
    TRzSendMessage message_;
};

}  // namespace vigilon
