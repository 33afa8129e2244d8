#include "monitor/mail/TRzSendMessage.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "monitor/mail/MapiErrors.h"

namespace vigilon {
namespace {

constexpr std::size_t kMaxSubjectLength = 255;

// The hourglass for the life of the object, also when a send fails.
class HourglassScope {
public:
    explicit HourglassScope(MapiCursor& cursor) : cursor_(cursor) { cursor_.ShowHourglass(); }
    ~HourglassScope() { cursor_.Restore(); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;

private:
    MapiCursor& cursor_;
};

// Owns the descriptors name resolution returned and gives each back to the
// library when it goes, whichever way the send ends.
class ResolvedDescriptors {
public:
    explicit ResolvedDescriptors(MapiApi& api) : api_(api) {}
    ~ResolvedDescriptors() {
        for (void* descriptor : descriptors_) api_.FreeBuffer(descriptor);
    }
    ResolvedDescriptors(const ResolvedDescriptors&) = delete;
    ResolvedDescriptors& operator=(const ResolvedDescriptors&) = delete;

    void Keep(void* descriptor) {
        if (descriptor != nullptr) descriptors_.push_back(descriptor);
    }

private:
    MapiApi& api_;
    std::vector<void*> descriptors_;
};

}  // namespace

TRzSendMessage::TRzSendMessage(std::unique_ptr<MapiApi> api, std::unique_ptr<MapiCursor> cursor)
    : api_(std::move(api)), cursor_(std::move(cursor)) {}

void TRzSendMessage::Send() {
    HourglassScope hourglass(*cursor_);
    if (session_ == 0) Logon();

    MapiMail mail = ComposeMail();
    ResolvedDescriptors descriptors(*api_);
    const auto resolveAll = [&](const std::vector<std::string>& names,
                                MapiRecipientClass recipientClass) {
        for (const std::string& name : names) {
            MapiResolvedName resolved;
            const MapiResult result =
                api_->ResolveName(session_, name, kMapiResolveFlags, resolved);
            if (result == kMapiSuccess) descriptors.Keep(resolved.descriptor);
            Check(result);
            mail.recipients.push_back({recipientClass, resolved.name, resolved.address});
        }
    };
    resolveAll(ToRecipients, MapiRecipientClass::To);
    resolveAll(CcRecipients, MapiRecipientClass::Cc);
    resolveAll(BccRecipients, MapiRecipientClass::Bcc);

    const MapiFlags flags = Review || ToRecipients.empty() ? kMapiSendWithReview : kMapiSendQuietly;
    Check(api_->SendMail(session_, mail, flags));
}

void TRzSendMessage::Logon() {
    const MapiFlags flags = ProfileName.empty() ? kMapiLogonDefaultProfile : kMapiLogonWithProfile;
    MapiSession session = 0;
    Check(api_->Logon(ProfileName, Password, flags, session));
    session_ = session;
}

MapiMail TRzSendMessage::ComposeMail() const {
    MapiMail mail;
    mail.subject = Subject.substr(0, kMaxSubjectLength);
    for (const std::string& line : MessageText) mail.noteText += line + "\r\n";
    if (Attachments.empty()) return mail;

    // A last line of one space per attachment: each attachment takes the place of its space.
    const std::size_t firstPosition = mail.noteText.size();
    mail.noteText += std::string(Attachments.size(), ' ') + "\r\n";
    for (std::size_t i = 0; i < Attachments.size(); ++i) {
        mail.attachments.push_back({Attachments[i], static_cast<std::uint32_t>(firstPosition + i)});
    }
    return mail;
}

void TRzSendMessage::Check(MapiResult result) {
    if (result == kMapiSuccess) return;
    if (result == kMapiInvalidSession) session_ = 0;
    RaiseMapiError(result);
}

}  // namespace vigilon
