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

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

}  // namespace

std::string DisplayName(const std::string& name) {
    const bool quote = name.find('.') != std::string::npos && name.find('"') == std::string::npos;
    return quote ? '"' + name + '"' : name;
}

void TmsMessageEncoder::Encode(std::ostream& out) const {
    const bool quotedPrintable = LongLined();
    const std::string body = BodyLines(quotedPrintable);
    out << Headers(quotedPrintable) << body;
}

bool TmsMessageEncoder::LongLined() const {
    for (const std::string& line : message_.Body) {
        if (line.size() >= kLongLineLength) return true;
    }
    return false;
}

std::string TmsMessageEncoder::Headers(bool quotedPrintable) const {
    std::string out;
    AppendLine(out, "From:     " + Mailbox(message_.Sender));
    AppendAddressField(out, "To", message_.Recipients);
    AppendAddressField(out, "CC", message_.CC);
    if (!message_.Subject().empty()) AppendLine(out, "Subject: " + message_.Subject());
    AppendLine(out, "Mime-Version: 1.0");
    AppendLine(out, "Content-Type: " + message_.ContentType + "; charset=\"us-ascii\"");
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
        for (const std::string& line : QuotedPrintableLines(JoinLines(message_.Body)))
            AppendLine(out, line);
        return out;
    }
    for (const std::string& line : message_.Body) {
        for (std::string_view part : SplitParagraphs(line)) AppendLine(out, part);
    }
    return out;
}

}  // namespace vigilon
