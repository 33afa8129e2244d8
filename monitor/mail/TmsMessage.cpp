#include "monitor/mail/TmsMessage.h"

#include "monitor/mail/MailErrors.h"

namespace vigilon {

void TmsMessage::Check() const {
    if (Sender.Address().empty()) throw EMessageError(kSenderRequiredMessage);
    if (!Recipients.HasAddress() && !CC.HasAddress() && !BCC.HasAddress()) {
        throw EMessageError(kRecipientRequiredMessage);
    }
}

}  // namespace vigilon
