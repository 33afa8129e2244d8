#include "jukebox/model/AlbumStream.h"

#include <charconv>
#include <ostream>
#include <streambuf>
#include <utility>

namespace brambletune {
namespace {

constexpr int kEof = std::char_traits<char>::eof();

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(int c) {
    return c == '\r' || c == '\n';
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

bool ParseInt(std::string_view item, std::int32_t& out) {
    if (!item.empty() && item.front() == '+') item.remove_prefix(1);
    if (item.empty()) return false;
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (ec != std::errc() || end != item.data() + item.size()) return false;
    out = value;
    return true;
}

}  // namespace

AlbumReader::AlbumReader(std::streambuf& buffer, std::size_t maxItem, TextInPlace toProgram)
    : buffer_(buffer), maxItem_(maxItem), toProgram_(std::move(toProgram)) {}

void AlbumReader::SkipLineEnd(int c) {
    if (c == '\r' && buffer_.sgetc() == '\n') buffer_.sbumpc();
}

bool AlbumReader::ReadLine(std::string& out) {
    out.clear();
    int c = buffer_.sbumpc();
    if (c == kEof) return false;
    while (c != kEof && !IsLineEnd(c)) {
        if (out.size() >= maxItem_) return false;
        out.push_back(static_cast<char>(c));
        c = buffer_.sbumpc();
    }
    SkipLineEnd(c);
    if (toProgram_) toProgram_(out);
    return true;
}

bool AlbumReader::ReadItem(std::string& out, bool& quoted) {
    out.clear();
    int c = buffer_.sgetc();
    while (IsBlank(c)) {
        buffer_.sbumpc();
        c = buffer_.sgetc();
    }
    if (c == kEof) return false;
    quoted = c == '"';
    if (!quoted) return ReadUnquoted(out);
    buffer_.sbumpc();
    return ReadQuoted(out);
}

bool AlbumReader::ReadQuoted(std::string& out) {
    int c = buffer_.sbumpc();
    for (; c != '"'; c = buffer_.sbumpc()) {
        if (c == kEof || out.size() >= maxItem_) return false;
        out.push_back(static_cast<char>(c));
    }
    // Anything between the closing quote and the delimiter is dropped.
    std::size_t skipped = 0;
    for (c = buffer_.sbumpc(); c != kEof && c != ',' && !IsLineEnd(c); c = buffer_.sbumpc()) {
        if (++skipped > maxItem_) return false;
    }
    SkipLineEnd(c);
    return true;
}

bool AlbumReader::ReadUnquoted(std::string& out) {
    int c = buffer_.sbumpc();
    for (; c != kEof && c != ',' && !IsLineEnd(c); c = buffer_.sbumpc()) {
        if (out.size() >= maxItem_) return false;
        out.push_back(static_cast<char>(c));
    }
    SkipLineEnd(c);
    while (!out.empty() && IsBlank(static_cast<unsigned char>(out.back()))) out.pop_back();
    return true;
}

bool AlbumReader::ReadText(std::string& out) {
    bool quoted = false;
    if (!ReadItem(out, quoted)) return false;
    if (toProgram_) toProgram_(out);
    return true;
}

bool AlbumReader::ReadInt(std::int32_t& out) {
    std::string item;
    bool quoted = false;
    if (!ReadItem(item, quoted) || quoted) return false;
    return ParseInt(item, out);
}

bool AlbumReader::ReadBool(bool& out) {
    std::string item;
    bool quoted = false;
    if (!ReadItem(item, quoted) || quoted) return false;
    if (EqualsNoCase(item, "#TRUE#")) {
        out = true;
        return true;
    }
    if (EqualsNoCase(item, "#FALSE#")) {
        out = false;
        return true;
    }
    std::int32_t number = 0;
    if (!ParseInt(item, number)) return false;
    out = number != 0;
    return true;
}

AlbumWriter::AlbumWriter(std::ostream& out, TextConversion toFile)
    : out_(out), toFile_(std::move(toFile)) {}

std::string AlbumWriter::ForFile(std::string_view text) const {
    return toFile_ ? toFile_(text) : std::string(text);
}

AlbumWriter::~AlbumWriter() {
    Flush();
}

void AlbumWriter::Flush() {
    if (!pending_.empty()) {
        out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
        pending_.clear();
    }
}

void AlbumWriter::WriteLine(std::string_view text) {
    for (const char c : ForFile(text))
        pending_.push_back(IsLineEnd(static_cast<unsigned char>(c)) ? ' ' : c);
    pending_ += "\r\n";
    if (pending_.size() >= (64u << 10)) Flush();
}

void AlbumWriter::Separator() {
    if (lineStarted_) pending_.push_back(',');
    lineStarted_ = true;
}

void AlbumWriter::Text(std::string_view text) {
    Separator();
    pending_.push_back('"');
    for (const char c : ForFile(text)) pending_.push_back(c == '"' ? '\'' : c);
    pending_.push_back('"');
}

void AlbumWriter::Int(std::int32_t value) {
    Separator();
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    pending_.append(digits, end);
}

void AlbumWriter::Bool(bool value) {
    Separator();
    pending_ += value ? "#TRUE#" : "#FALSE#";
}

void AlbumWriter::EndLine() {
    pending_ += "\r\n";
    lineStarted_ = false;
    if (pending_.size() >= (64u << 10)) Flush();
}

}  // namespace brambletune
