#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "monitor/mail/TmsAddressList.h"
#include "monitor/mail/TmsMailAddress.h"

namespace vigilon {

inline constexpr const char* kSenderRequiredMessage = "The address of sender is required";
inline constexpr const char* kRecipientRequiredMessage =
    "At least one Recipient, CC or BCC must be entered";

// One outgoing plain-text mail: MIME form, normal priority, no receipt, no
// attachments.
class TmsMessage {
public:
    TmsMailAddress Sender;
    TmsAddressList Recipients;  // To
    TmsAddressList CC;
    TmsAddressList BCC;
    std::vector<std::string> Body;
    std::string ContentType = "text/plain";
    // The charset declared when the body holds bytes of 128 and above; a
    // plain-ASCII body is declared "us-ascii".
    std::string Charset = "us-ascii";
    std::string Date;       // the "Date:" value; no header when empty
    std::string MessageId;  // the "Message-ID:" value; no header when empty

    const std::string& Subject() const { return subject_; }
    void SetSubject(std::string_view subject) { subject_ = HeaderText(subject); }

    // Throws EMessageError when there is no sender address or no recipient
    // address in any of the three lists.
    void Check() const;

private:
    std::string subject_;
};

}  // namespace vigilon
