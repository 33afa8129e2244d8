#include "monitor/mail/TmsMessageEncoder.h"

#include "monitor/mail/QuotedPrintable.h"

namespace vigilon {
namespace {

void AppendLine(std::string& out, std::string_view line) {
    if (!line.empty() && line.front() == '.') out += '.';
    out += line;
    out += "\r\n";
}

std::string Mailbox(const TmsMailAddress& entry) {
    return DisplayName(entry.Name()) + " <" + entry.Address() + ">";
}

// "To:" or "CC:" with one entry per line, continuation lines indented by the
// field width; each line is cut to 255 characters.
void AppendAddressField(std::string& out, const std::string& field, const TmsAddressList& list) {
    for (std::size_t i = 0; i < list.Count(); ++i) {
        std::string line = i == 0 ? field + ":" : std::string();
        line.resize(kFieldWidth, ' ');
        line += Mailbox(list[i]);
        if (i + 1 < list.Count()) line += ',';
        AppendLine(out, std::string_view(line).substr(0, TmsMailAddress::kMaxLength));
    }
}

}  // namespace

std::string DisplayName(const std::string& name) {
    if (name.find_first_of("()<>[]:;@\\,.\"") == std::string::npos) return name;
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

void TmsMessageEncoder::Encode(std::ostream& out) const {
    const bool eightBit = EightBit();
    const bool quotedPrintable = eightBit || LongLined();
    const std::string body = BodyLines(quotedPrintable);
    out << Headers(quotedPrintable, eightBit) << body;
}

bool TmsMessageEncoder::EightBit() const {
    for (const std::string& line : message_.Body) {
        for (char c : line) {
            if (static_cast<unsigned char>(c) >= 128) return true;
        }
    }
    return false;
}

bool TmsMessageEncoder::LongLined() const {
    for (const std::string& line : message_.Body) {
        if (line.size() >= kLongLineLength) return true;
    }
    return false;
}

std::string TmsMessageEncoder::Headers(bool quotedPrintable, bool eightBit) const {
    std::string out;
    AppendLine(out, "From:     " + Mailbox(message_.Sender));
    AppendAddressField(out, "To", message_.Recipients);
    AppendAddressField(out, "CC", message_.CC);
    if (!message_.Subject().empty()) AppendLine(out, "Subject: " + message_.Subject());
    if (!message_.Date.empty()) AppendLine(out, "Date: " + message_.Date);
    if (!message_.MessageId.empty()) AppendLine(out, "Message-ID: " + message_.MessageId);
    AppendLine(out, "Mime-Version: 1.0");
    const std::string charset = eightBit ? message_.Charset : "us-ascii";
    AppendLine(out, "Content-Type: " + message_.ContentType + "; charset=\"" + charset + "\"");
    AppendLine(out, quotedPrintable ? "Content-Transfer-Encoding: quoted-printable"
                                    : "Content-Transfer-Encoding: 7bit");
    AppendLine(out, "");
    return out;
}

// A line end inside a body line is a line break of its own, so every line
// written gets its CR LF and its dot check.
std::string TmsMessageEncoder::BodyLines(bool quotedPrintable) const {
    std::string out;
    if (quotedPrintable) {
        for (const std::string& bodyLine : message_.Body) {
            for (const std::string& line : QuotedPrintableLines(bodyLine)) AppendLine(out, line);
        }
        return out;
    }
    for (const std::string& line : message_.Body) {
        for (std::string_view part : SplitParagraphs(line)) AppendLine(out, part);
    }
    return out;
}

}  // namespace vigilon
