#pragma once

#include <memory>
#include <string>
#include <vector>

#include "monitor/mail/MapiApi.h"
#include "monitor/mail/MapiCursor.h"

namespace vigilon {

// Logon flags: bits 1 (logon user interface allowed) and 8, plus 64 when no
// profile is named.
inline constexpr MapiFlags kMapiLogonWithProfile = 9;
inline constexpr MapiFlags kMapiLogonDefaultProfile = 73;
// Name resolution may show the client's own resolution dialog.
inline constexpr MapiFlags kMapiResolveFlags = 9;
// Sending with the client's compose window (review), or quietly.
inline constexpr MapiFlags kMapiSendWithReview = 9;
inline constexpr MapiFlags kMapiSendQuietly = 1;

// Hands one message at a time to the user's mail client through Simple MAPI.
// The first send logs on; the session is kept for the life of the object.
class TRzSendMessage {
public:
    TRzSendMessage(std::unique_ptr<MapiApi> api, std::unique_ptr<MapiCursor> cursor);

    std::vector<std::string> ToRecipients;
    std::vector<std::string> CcRecipients;
    std::vector<std::string> BccRecipients;
    std::vector<std::string> Attachments;  // file names, made full paths when sent
    std::vector<std::string> MessageText;  // lines of the note text
    std::string Subject;                   // cut to 255 characters when sent
    bool Review = true;                    // show the compose window
    std::string ProfileName;
    std::string Password;

    // Logs on when there is no session, resolves every recipient and sends.
    // Throws EMapiUserAbort or EMapiError; every descriptor the library
    // returned is freed on every path.
    void Send();

    MapiSession Session() const { return session_; }

private:
    void Logon();
    MapiMail ComposeMail() const;
    // Fails on a result other than success; an invalid session is dropped so
    // that the next send logs on again.
    void Check(MapiResult result);

    std::unique_ptr<MapiApi> api_;
    std::unique_ptr<MapiCursor> cursor_;
    MapiSession session_ = 0;
};

}  // namespace vigilon
