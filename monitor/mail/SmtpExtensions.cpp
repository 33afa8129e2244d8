#include "monitor/mail/SmtpExtensions.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace vigilon {
namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void AddMechanisms(std::istream& words, SmtpExtensions& extensions) {
    std::string word;
    while (words >> word) extensions.authMechanisms.push_back(Upper(word));
}

}  // namespace

bool SmtpExtensions::OffersAuth(const std::string& mechanism) const {
    return std::find(authMechanisms.begin(), authMechanisms.end(), mechanism) !=
           authMechanisms.end();
}

SmtpExtensions ParseEhloReply(const std::vector<std::string>& lines) {
    SmtpExtensions extensions;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].size() < 5) continue;
        std::istringstream words(lines[i].substr(4));
        std::string keyword;
        words >> keyword;
        keyword = Upper(keyword);
        if (keyword == "STARTTLS") extensions.startTls = true;
        if (keyword == "AUTH") AddMechanisms(words, extensions);
        if (keyword.rfind("AUTH=", 0) == 0) {
            if (keyword.size() > 5) extensions.authMechanisms.push_back(keyword.substr(5));
            AddMechanisms(words, extensions);
        }
    }
    return extensions;
}

std::string Base64(const std::string& bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        unsigned group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const unsigned byte = k < count ? static_cast<unsigned char>(bytes[i + k]) : 0;
            group = group << 8 | byte;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            text += k <= count ? kDigits[(group >> (18 - 6 * k)) & 63] : '=';
        }
    }
    return text;
}

}  // namespace vigilon
