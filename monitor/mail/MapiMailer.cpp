#include "monitor/mail/MapiMailer.h"

#include <utility>

namespace vigilon {

MapiMailer::MapiMailer(std::unique_ptr<MapiApi> api, std::unique_ptr<MapiCursor> cursor)
    : message_(std::move(api), std::move(cursor)) {
    message_.Review = false;
}

void MapiMailer::Send(const std::vector<std::string>& recipients, const std::string& subject,
                      const std::vector<std::string>& body) {
    message_.ToRecipients = recipients;
    message_.Subject = subject;
    message_.MessageText = body;
    message_.Send();
}

}  // namespace vigilon
