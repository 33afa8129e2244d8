// Sends one mail with a 1 MB body and then 100 small mails, each over a
// connection of its own as the monitor does, and prints the times of the
// best of three rounds (the machine is shared, so single runs are noisy).
//
//   smtp_bench HOST:PORT [SECURITY USER PASSWORD]
//
// With a security (1 STARTTLS, 2 TLS), every mail logs in as USER.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/SmtpMailer.h"

namespace {

using namespace vigilon;

constexpr std::size_t kLargeBodyBytes = 1 << 20;
constexpr int kSmallMails = 100;
constexpr int kRounds = 3;

// Summary-like lines, about 80 bytes each, short enough to stay 7-bit.
std::vector<std::string> LargeBody() {
    std::vector<std::string> lines;
    std::size_t bytes = 0;
    for (int i = 0; bytes < kLargeBodyBytes; ++i) {
        std::string line =
            "Changed C:\\Data\\Projects\\Reports\\2026\\quarter-" + std::to_string(i) + ".xlsx";
        line.resize(78, ' ');
        line.back() = '.';
        bytes += line.size() + 2;
        lines.push_back(line);
    }
    return lines;
}

NotificationMail Mail(const std::string& server, std::vector<std::string> body) {
    return NotificationMail{
        server,           "Vigilon",      "monitor@example.com", {"admin@example.com"},
        "Folder changes", std::move(body)};
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 5) {
        std::fprintf(stderr, "usage: smtp_bench HOST:PORT [SECURITY USER PASSWORD]\n");
        return 2;
    }
    try {
        SmtpMailer mailer(CreatePlatformSocketApi, 60, CreatePlatformTls);
        NotificationMail large = Mail(argv[1], LargeBody());
        NotificationMail small =
            Mail(argv[1], {"Date/Time 7/12/2026 14:05:09", "Added C:\\Data\\new.txt"});
        if (argc == 5) {
            for (NotificationMail* mail : {&large, &small}) {
                mail->security = static_cast<SmtpSecurity>(std::atoi(argv[2]));
                mail->user = argv[3];
                mail->password = argv[4];
            }
        }
        double bestLarge = 1e9;
        double bestSmall = 1e9;
        for (int round = 0; round < kRounds; ++round) {
            auto start = std::chrono::steady_clock::now();
            mailer.Send(large);
            bestLarge = std::min(bestLarge, Seconds(start));
            start = std::chrono::steady_clock::now();
            for (int i = 0; i < kSmallMails; ++i) mailer.Send(small);
            bestSmall = std::min(bestSmall, Seconds(start));
        }
        std::printf("large_mail_seconds %.3f\n", bestLarge);
        std::printf("small_mails_seconds %.3f\n", bestSmall);
    } catch (const EMailError& error) {
        std::fprintf(stderr, "mail error: %s\n", error.what());
        return 1;
    }
    return 0;
}
