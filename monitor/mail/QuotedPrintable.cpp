#include "monitor/mail/QuotedPrintable.h"

#include "monitor/mail/MailErrors.h"

namespace vigilon {
namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// A character is written as "=" and two hex digits when it is a control
// character, "=" itself, or outside 7-bit ASCII.
bool NeedsEscape(unsigned char c) {
    return c < 32 || c == '=' || c >= 128;
}

void AppendEscaped(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '=';
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

// A space that ends a paragraph is escaped too: readers strip trailing white
// space from encoded lines, which would lose it.
std::string EncodeSegment(std::string_view segment, bool softBreak) {
    std::string out;
    out.reserve(segment.size() + 1);
    for (std::size_t i = 0; i < segment.size(); ++i) {
        const auto c = static_cast<unsigned char>(segment[i]);
        const bool trailingSpace = c == ' ' && !softBreak && i + 1 == segment.size();
        if (NeedsEscape(c) || trailingSpace) {
            AppendEscaped(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
    if (softBreak) out += '=';
    return out;
}

std::size_t EncodedWidth(unsigned char c) {
    return NeedsEscape(c) ? 3 : 1;
}

// How many characters from start fit one line that ends with a soft break.
std::size_t FittingLength(std::string_view paragraph, std::size_t start) {
    std::size_t width = 0;
    std::size_t length = 0;
    while (length < kSegmentLength && start + length < paragraph.size()) {
        width += EncodedWidth(static_cast<unsigned char>(paragraph[start + length]));
        if (width > kMaxEncodedLineLength - 1) break;
        ++length;
    }
    return length;
}

// True when the rest of the paragraph from start can be its last line.
bool FitsAsLastLine(std::string_view paragraph, std::size_t start) {
    const std::string_view rest = paragraph.substr(start);
    if (rest.size() >= kSegmentLength) return false;
    std::size_t width = rest.empty() || rest.back() != ' ' ? 0 : 2;  // an escaped final space
    for (char c : rest) width += EncodedWidth(static_cast<unsigned char>(c));
    return width <= kMaxEncodedLineLength;
}

// Where the segment starting at start ends: just before the last space among
// the 2nd character and the one after the longest fitting run, else after
// that run.
std::size_t SegmentEnd(std::string_view paragraph, std::size_t start) {
    const std::size_t end = start + FittingLength(paragraph, start);
    for (std::size_t i = end; i > start; --i) {
        if (i < paragraph.size() && paragraph[i] == ' ') return i;
    }
    return end;
}

}  // namespace

std::vector<std::string_view> SplitParagraphs(std::string_view text) {
    std::vector<std::string_view> paragraphs;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsLineEnd(text[i])) {
            ++i;
            continue;
        }
        paragraphs.push_back(text.substr(start, i - start));
        const bool pair = i + 1 < text.size() && IsLineEnd(text[i + 1]) && text[i + 1] != text[i];
        i += pair ? 2 : 1;
        start = i;
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

std::vector<std::string_view> SplitSegments(std::string_view paragraph) {
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (!FitsAsLastLine(paragraph, start)) {
        const std::size_t end = SegmentEnd(paragraph, start);
        segments.push_back(paragraph.substr(start, end - start));
        start = end;
    }
    segments.push_back(paragraph.substr(start));
    return segments;
}

std::vector<std::string> QuotedPrintableLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::string_view paragraph : SplitParagraphs(text)) {
        if (paragraph.size() >= kMaxParagraphLength) throw EMessageError(kParagraphTooLargeMessage);
        const std::vector<std::string_view> segments = SplitSegments(paragraph);
        for (std::size_t i = 0; i < segments.size(); ++i) {
            lines.push_back(EncodeSegment(segments[i], i + 1 < segments.size()));
        }
    }
    return lines;
}

}  // namespace vigilon
