#include "jukebox/model/Id3v2Tag.h"

#include <algorithm>
#include <istream>

#include "jukebox/model/CSong.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/UnicodeText.h"
#include "jukebox/settings/GenreList.h"

namespace brambletune {
namespace {

constexpr std::size_t kHeaderSize = 10;

// Header flags.
constexpr unsigned kUnsynchronised = 0x80;
constexpr unsigned kExtendedHeader = 0x40;  // in 2.2: compressed, which we cannot read
constexpr unsigned kFooter = 0x10;          // 2.4 only

// Frame flags, second byte.
constexpr unsigned kV3Compressed = 0x80, kV3Encrypted = 0x40, kV3Grouped = 0x20;
constexpr unsigned kV4Grouped = 0x40, kV4Compressed = 0x08, kV4Encrypted = 0x04,
                   kV4Unsynchronised = 0x02, kV4DataLength = 0x01;

unsigned Byte(std::string_view s, std::size_t at) {
    return static_cast<unsigned char>(s[at]);
}

std::uint32_t BigEndian(std::string_view s, std::size_t at, std::size_t n) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < n; ++i) value = (value << 8) | Byte(s, at + i);
    return value;
}

// Seven bits per byte; false when a byte has its top bit set (not a valid size).
bool SynchSafe(std::string_view s, std::size_t at, std::uint32_t& value) {
    value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (Byte(s, at + i) & 0x80) return false;
        value = (value << 7) | Byte(s, at + i);
    }
    return true;
}

// Undoes unsynchronisation: every 0xFF 0x00 loses its 0x00.
std::string Resynchronise(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    for (std::size_t i = 0; i < data.size(); ++i) {
        out += data[i];
        if (Byte(data, i) == 0xFF && i + 1 < data.size() && data[i + 1] == '\0') ++i;
    }
    return out;
}

bool IsWide(unsigned encoding) {
    return encoding == 1 || encoding == 2;
}

// The length of the text before its terminator (one NUL, or an aligned pair of
// NULs in UTF-16); the whole data without one.
std::size_t TextLength(std::string_view data, unsigned encoding) {
    if (!IsWide(encoding)) return std::min(data.find('\0'), data.size());
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        if (data[i] == '\0' && data[i + 1] == '\0') return i;
    }
    return data.size() & ~std::size_t{1};
}

std::size_t TerminatorSize(unsigned encoding) {
    return IsWide(encoding) ? 2 : 1;
}

std::u16string FromLatin1(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) out += static_cast<char16_t>(Byte(text, i));
    return out;
}

// UTF-16 with an optional byte-order mark; without one, little-endian unless
// bigEndian (encoding 2 has no mark).
std::u16string FromUtf16(std::string_view text, bool bigEndian) {
    if (text.size() >= 2 && Byte(text, 0) == 0xFF && Byte(text, 1) == 0xFE) {
        bigEndian = false;
        text.remove_prefix(2);
    } else if (text.size() >= 2 && Byte(text, 0) == 0xFE && Byte(text, 1) == 0xFF) {
        bigEndian = true;
        text.remove_prefix(2);
    }
    std::u16string out;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const unsigned hi = bigEndian ? Byte(text, i) : Byte(text, i + 1);
        const unsigned lo = bigEndian ? Byte(text, i + 1) : Byte(text, i);
        out += static_cast<char16_t>((hi << 8) | lo);
    }
    return out;
}

// One text of the given encoding (0 ISO-8859-1, 1 UTF-16, 2 UTF-16BE, 3 UTF-8),
// cut at its terminator, without a leading byte-order mark.
std::u16string DecodeText(std::string_view data, unsigned encoding) {
    data = data.substr(0, TextLength(data, encoding));
    std::u16string text;
    switch (encoding) {
    case 0: text = FromLatin1(data); break;
    case 1: text = FromUtf16(data, false); break;
    case 2: text = FromUtf16(data, true); break;
    default: text = Utf8ToUtf16(data); break;
    }
    if (!text.empty() && text.front() == 0xFEFF) text.erase(0, 1);
    return text;
}

bool KnownEncoding(std::string_view data) {
    return !data.empty() && Byte(data, 0) <= 3;
}

// A text frame: an encoding byte, then the text (2.4 may add more values after
// a terminator; the first is taken).
std::u16string TextFrame(std::string_view data) {
    if (!KnownEncoding(data)) return {};
    return DecodeText(data.substr(1), Byte(data, 0));
}

// A comment frame: encoding, language (3 bytes), description, terminator, text.
bool CommentFrame(std::string_view data, std::u16string& description, std::u16string& text) {
    if (!KnownEncoding(data) || data.size() < 4) return false;
    const unsigned encoding = Byte(data, 0);
    const std::string_view rest = data.substr(4);
    const std::size_t end = TextLength(rest, encoding);
    description = DecodeText(rest.substr(0, end), encoding);
    const std::size_t textAt = std::min(rest.size(), end + TerminatorSize(encoding));
    text = DecodeText(rest.substr(textAt), encoding);
    return true;
}

// What a reader of each version needs to know about its frame headers.
struct FrameLayout {
    unsigned version = 0;
    std::size_t idSize = 4;
    std::size_t headerSize = 10;
};

// The 2.3/2.4 name of a 2.2 frame this reader takes, or "" for another.
std::string_view ModernId(std::string_view id) {
    if (id == "TT2") return "TIT2";
    if (id == "TP1") return "TPE1";
    if (id == "TAL") return "TALB";
    if (id == "TYE") return "TYER";
    if (id == "TCO") return "TCON";
    if (id == "COM") return "COMM";
    return "";
}

bool IsFrameIdChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Collects the frames of one tag into out.
class FrameCollector {
public:
    explicit FrameCollector(Id3v2Text& out) : out_(out) {}

    void Take(std::string_view id, std::string_view data) {
        if (id == "COMM") return TakeComment(data);
        std::u16string* field = FieldOf(id);
        if (field == nullptr || !field->empty()) return;  // the first frame of a kind wins
        *field = TextFrame(data);
        if (id == "TDRC") *field = field->substr(0, 4);
        // These fields are one line each in an album file.
        std::replace_if(
            field->begin(), field->end(), [](char16_t c) { return c < u' '; }, u' ');
    }

    bool Found() const {
        return !(out_.title.empty() && out_.artist.empty() && out_.album.empty() &&
                 out_.year.empty() && out_.genre.empty() && out_.comment.empty());
    }

private:
    std::u16string* FieldOf(std::string_view id) {
        if (id == "TIT2") return &out_.title;
        if (id == "TPE1") return &out_.artist;
        if (id == "TALB") return &out_.album;
        if (id == "TYER" || id == "TDRC") return &out_.year;
        if (id == "TCON") return &out_.genre;
        return nullptr;
    }

    // A comment without description is the user's; others (written by players
    // for their own use) count only while no comment was found.
    void TakeComment(std::string_view data) {
        std::u16string description, text;
        if (plainComment_ || !CommentFrame(data, description, text)) return;
        if (description.empty()) {
            out_.comment = text;
            plainComment_ = true;
        } else if (!anyComment_) {
            out_.comment = text;
        }
        anyComment_ = true;
    }

    Id3v2Text& out_;
    bool anyComment_ = false;
    bool plainComment_ = false;
};

// What a frame's flags leave of its data: readable (the extra bytes the flags
// announce removed, unsynchronisation undone), skipped (compressed or
// encrypted), or damaged (the extra bytes do not fit).
enum class FrameData { kReadable, kSkipped, kDamaged };

FrameData UnpackFrame(const FrameLayout& layout, unsigned flags, bool tagUnsync,
                      std::string& data) {
    std::size_t extra = 0;
    if (layout.version == 3) {
        if (flags & (kV3Compressed | kV3Encrypted)) return FrameData::kSkipped;
        if (flags & kV3Grouped) extra = 1;
    } else if (layout.version == 4) {
        if (flags & (kV4Compressed | kV4Encrypted)) return FrameData::kSkipped;
        if (flags & kV4Grouped) extra += 1;
        if (flags & kV4DataLength) extra += 4;
    }
    if (extra > data.size()) return FrameData::kDamaged;
    data.erase(0, extra);
    if (layout.version == 4 && (tagUnsync || (flags & kV4Unsynchronised)))
        data = Resynchronise(data);
    return FrameData::kReadable;
}

// Walks the frames of body. complete: body holds the whole tag, so a frame that
// runs past its end is damage rather than the end of what was read.
bool ReadFrames(const FrameLayout& layout, std::string_view body, bool complete, bool tagUnsync,
                FrameCollector& collector) {
    std::size_t at = 0;
    while (body.size() - at >= layout.headerSize && body[at] != '\0') {  // '\0': padding
        const std::string_view id = body.substr(at, layout.idSize);
        if (!std::all_of(id.begin(), id.end(), IsFrameIdChar)) return false;
        std::uint32_t size = 0;
        if (layout.version == 2) {
            size = BigEndian(body, at + 3, 3);
        } else if (layout.version == 3) {
            size = BigEndian(body, at + 4, 4);
        } else if (!SynchSafe(body, at + 4, size)) {
            return false;
        }
        const unsigned flags = layout.version == 2 ? 0 : Byte(body, at + 9);
        at += layout.headerSize;
        if (size > body.size() - at) return !complete;
        std::string data(body.substr(at, size));
        at += size;
        const FrameData unpacked = UnpackFrame(layout, flags, tagUnsync, data);
        if (unpacked == FrameData::kDamaged) return false;
        if (unpacked == FrameData::kSkipped) continue;
        collector.Take(layout.version == 2 ? ModernId(id) : id, data);
    }
    return true;
}

// The size of the extended header at the start of body; false when its size is
// invalid or, in a tag read whole, runs past the tag. In a tag read in part,
// an extended header past the part read leaves nothing to read.
bool ExtendedHeaderSize(unsigned version, std::string_view body, bool complete, std::size_t& size) {
    std::uint64_t value = body.size() + 1;  // past the end unless the size is read
    if (body.size() >= 6) {
        std::uint32_t stated = 0;
        if (version == 3) {
            stated = BigEndian(body, 0, 4);
            value = std::uint64_t{stated} + 4;  // the size leaves out its own 4 bytes
        } else {
            if (!SynchSafe(body, 0, stated) || stated < 6) return false;
            value = stated;
        }
    }
    if (value > body.size()) {
        if (complete) return false;
        value = body.size();
    }
    size = static_cast<std::size_t>(value);
    return true;
}

}  // namespace

bool ParseId3v2(std::string_view head, std::uint64_t fileSize, Id3v2Text& out) {
    out = Id3v2Text();
    if (head.size() < kHeaderSize || head.substr(0, 3) != "ID3") return false;
    const unsigned version = Byte(head, 3);
    const unsigned flags = Byte(head, 5);
    std::uint32_t size = 0;
    if (version < 2 || version > 4 || Byte(head, 4) == 0xFF || !SynchSafe(head, 6, size))
        return false;
    if (version == 2 && (flags & kExtendedHeader)) return false;  // compressed
    const std::uint64_t footer = version == 4 && (flags & kFooter) ? kHeaderSize : 0;
    if (kHeaderSize + size + footer > fileSize) return false;

    const bool complete = kHeaderSize + size <= head.size();
    std::string body(head.substr(kHeaderSize, size));
    const bool tagUnsync = (flags & kUnsynchronised) != 0;
    if (tagUnsync && version < 4) body = Resynchronise(body);
    std::string_view frames = body;
    if (version > 2 && (flags & kExtendedHeader)) {
        std::size_t skip = 0;
        if (!ExtendedHeaderSize(version, frames, complete, skip)) return false;
        frames.remove_prefix(skip);
    }
    FrameLayout layout;
    layout.version = version;
    if (version == 2) {
        layout.idSize = 3;
        layout.headerSize = 6;
    }
    FrameCollector collector(out);
    if (!ReadFrames(layout, frames, complete, tagUnsync, collector)) {
        out = Id3v2Text();
        return false;
    }
    return collector.Found();
}

bool ReadId3v2(std::istream& in, std::uint64_t fileSize, Id3v2Text& out) {
    out = Id3v2Text();
    if (fileSize < kHeaderSize) return false;
    in.clear();
    in.seekg(0, std::ios::beg);
    std::string head(kHeaderSize, '\0');
    if (!in.read(head.data(), kHeaderSize) || head.compare(0, 3, "ID3") != 0) return false;
    const std::size_t rest =
        static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, kId3v2ReadLimit)) - kHeaderSize;
    head.resize(kHeaderSize + rest);
    in.read(head.data() + kHeaderSize, static_cast<std::streamsize>(rest));
    if (in.gcount() != static_cast<std::streamsize>(rest)) return false;
    return ParseId3v2(head, fileSize, out);
}

bool ReadId3v2(const FileSystem& fs, const std::string& path, Id3v2Text& out) {
    out = Id3v2Text();
    auto in = fs.OpenRead(path);
    if (!in) return false;
    in->seekg(0, std::ios::end);
    const std::streamoff size = in->tellg();
    if (!*in || size < 0) return false;
    return ReadId3v2(*in, static_cast<std::uint64_t>(size), out);
}

namespace {

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool SameIgnoringCase(std::u16string_view text, const std::string& name) {
    return std::equal(text.begin(), text.end(), name.begin(), name.end(), [](char16_t a, char b) {
        return AsciiLower(a) == AsciiLower(static_cast<unsigned char>(b));
    });
}

bool AllDigits(std::u16string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

std::int32_t Id3v2GenreNumber(std::u16string_view text) {
    std::u16string_view digits = text;
    if (!text.empty() && text.front() == u'(') {
        const std::size_t close = text.find(u')');
        if (close != std::u16string_view::npos) digits = text.substr(1, close - 1);
    }
    if (AllDigits(digits) && digits.size() <= 3) {
        std::int32_t number = 0;
        for (const char16_t c : digits) number = number * 10 + (c - u'0');
        return number <= 255 ? number : kNoGenre;
    }
    if (text.empty()) return kNoGenre;
    for (std::int32_t number = 0; number < kGenreNames; ++number) {
        if (SameIgnoringCase(text, GenreName(number))) return number;
    }
    return kNoGenre;
}

}  // namespace brambletune
