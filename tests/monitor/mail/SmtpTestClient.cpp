// Sends one notification mail through the platform's real socket layer.
//
//   smtp_test_client --server HOST[:PORT] [--sender ADDRESS] [--sender-name NAME]
//                    [--to ADDRESS]... [--subject TEXT] [--body-file PATH] [--timeout SECONDS]
//                    [--charset NAME] [--security 0|1|2] [--user NAME] [--password TEXT]
//
// Prints "OK", or "ERROR <kind>" and the error text on the next line; exits
// with 0, 1 on a mail error, 2 on bad arguments.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/SmtpMailer.h"

namespace {

using namespace vigilon;

// Body lines of the file: split at LF, a CR before it dropped.
std::vector<std::string> ReadLines(const char* path) {
    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

const char* Kind(const EMailError& error) {
    if (dynamic_cast<const EServerError*>(&error)) return "EServerError";
    if (dynamic_cast<const ESocketError*>(&error)) return "ESocketError";
    if (dynamic_cast<const ETimedOutError*>(&error)) return "ETimedOutError";
    if (dynamic_cast<const ECanceledError*>(&error)) return "ECanceledError";
    if (dynamic_cast<const EMessageError*>(&error)) return "EMessageError";
    if (dynamic_cast<const EWinsockDLLError*>(&error)) return "EWinsockDLLError";
    return "EMailError";
}

bool ParseArguments(int argc, char** argv, NotificationMail& mail, int& timeOut) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--server")
            mail.server = value;
        else if (name == "--sender")
            mail.senderAddress = value;
        else if (name == "--sender-name")
            mail.senderName = value;
        else if (name == "--to")
            mail.recipients.push_back(value);
        else if (name == "--subject")
            mail.subject = value;
        else if (name == "--body-file")
            mail.body = ReadLines(value);
        else if (name == "--timeout")
            timeOut = std::atoi(value);
        else if (name == "--charset")
            mail.charset = value;
        else if (name == "--security")
            mail.security = static_cast<SmtpSecurity>(std::atoi(value));
        else if (name == "--user")
            mail.user = value;
        else if (name == "--password")
            mail.password = value;
        else
            return false;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
    NotificationMail mail;
    int timeOut = 60;
    if (!ParseArguments(argc, argv, mail, timeOut)) {
        std::fprintf(stderr, "bad arguments\n");
        return 2;
    }
    try {
        SmtpMailer mailer(CreatePlatformSocketApi, timeOut, CreatePlatformTls);
        mailer.Send(mail);
    } catch (const EMailError& error) {
        std::printf("ERROR %s\n%s\n", Kind(error), error.what());
        return 1;
    }
    std::printf("OK\n");
    return 0;
}
