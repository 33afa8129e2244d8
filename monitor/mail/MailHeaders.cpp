#include "monitor/mail/MailHeaders.h"

#include <chrono>
#include <cstdio>
#include <random>

namespace vigilon {
namespace {

constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Local minus universal time, from the two broken-down forms of one instant.
int OffsetMinutes(const std::tm& local, const std::tm& utc) {
    int days = local.tm_yday - utc.tm_yday;
    if (local.tm_year != utc.tm_year) days = local.tm_year > utc.tm_year ? 1 : -1;
    return days * 1440 + (local.tm_hour - utc.tm_hour) * 60 + local.tm_min - utc.tm_min;
}

bool IsDomainCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.';
}

std::string DomainOf(const std::string& address) {
    const auto at = address.rfind('@');
    const std::string domain = at == std::string::npos ? std::string() : address.substr(at + 1);
    for (char c : domain) {
        if (!IsDomainCharacter(c)) return "vigilon.invalid";
    }
    return domain.empty() ? "vigilon.invalid" : domain;
}

}  // namespace

std::string FormatMailDate(const std::tm& local, int offsetMinutes) {
    const int size = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d",
                  kDays[local.tm_wday % 7], local.tm_mday, kMonths[local.tm_mon % 12],
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec,
                  offsetMinutes < 0 ? '-' : '+', size / 60, size % 60);
    return text;
}

std::string CurrentMailDate() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    const std::tm utc = *std::gmtime(&now);
    return FormatMailDate(local, OffsetMinutes(local, utc));
}

std::string NewMessageId(const std::string& senderAddress) {
    static std::mt19937_64 random(std::random_device{}());
    static unsigned counter = 0;
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    char unique[64];
    std::snprintf(unique, sizeof unique, "%llx.%x.%016llx", static_cast<unsigned long long>(ticks),
                  ++counter, static_cast<unsigned long long>(random()));
    return "<" + std::string(unique) + "@" + DomainOf(senderAddress) + ">";
}

std::string CharsetOfCodePage(unsigned codePage) {
    switch (codePage) {
    case 874: return "windows-874";
    case 932: return "shift_jis";
    case 936: return "gbk";
    case 949: return "ks_c_5601-1987";
    case 950: return "big5";
    case 65001: return "utf-8";
    default: return "windows-" + std::to_string(codePage);
    }
}

}  // namespace vigilon
