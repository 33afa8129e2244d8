#include "jukebox/model/MID3.h"

#include <cstring>
#include <istream>
#include <memory>

#include "jukebox/model/AnsiText.h"
#include "jukebox/model/CSong.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/Id3v2Tag.h"
#include "jukebox/model/StoredText.h"
#include "jukebox/model/TextCase.h"
#include "jukebox/model/UnicodeText.h"
#include "jukebox/settings/MGeneral.h"
#include "jukebox/settings/OptionsRecord.h"

namespace brambletune {
namespace {

std::string Field(const char* block, std::size_t offset, std::size_t width) {
    std::string text = TrimNull(std::string_view(block + offset, width));
    text.resize(width, ' ');
    return text;
}

bool IsWordBreak(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string RTrim(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

TagRecord DecodeTag(const char* block) {
    TagRecord tag;
    tag.tag.assign(block, 3);
    tag.title = Field(block, 3, 30);
    tag.artist = Field(block, 33, 30);
    tag.album = Field(block, 63, 30);
    tag.year = Field(block, 93, 4);
    tag.comment = Field(block, 97, 30);
    tag.genre = static_cast<std::uint8_t>(block[127]);
    return tag;
}

namespace {

// The file at path opened for reading, with its size; nullptr for a missing
// path, a folder, a file that cannot be opened or whose size is unknown.
std::unique_ptr<std::istream> OpenWithSize(const FileSystem& fs, const std::string& path,
                                           std::streamoff& size) {
    if (!fs.FileExists(path)) return nullptr;
    auto in = fs.OpenRead(path);
    if (!in) return nullptr;
    in->seekg(0, std::ios::end);
    size = in->tellg();
    if (!*in || size < 0) return nullptr;
    return in;
}

// The tag in the last 128 bytes of an open file of size bytes.
bool ReadTagFrom(std::istream& in, std::streamoff size, TagRecord& tag) {
    if (size < static_cast<std::streamoff>(TagRecord::kSize)) return false;
    char block[TagRecord::kSize] = {};
    in.seekg(size - static_cast<std::streamoff>(TagRecord::kSize), std::ios::beg);
    in.read(block, TagRecord::kSize);
    if (in.gcount() != static_cast<std::streamsize>(TagRecord::kSize)) {
        std::memset(block, 0, sizeof block);  // a read error: no "TAG"
    }
    if (std::memcmp(block, "TAG", 3) != 0) return false;
    tag = DecodeTag(block);
    return true;
}

}  // namespace

bool ReadTag(const FileSystem& fs, const std::string& path, TagRecord& tag) {
    std::streamoff size = 0;
    const auto in = OpenWithSize(fs, path, size);
    return in && ReadTagFrom(*in, size, tag);
}

namespace {

template <typename Convert>
TagRecord WithTexts(TagRecord tag, Convert convert) {
    for (std::string* field : {&tag.title, &tag.artist, &tag.album, &tag.year, &tag.comment})
        *field = convert(*field);
    return tag;
}

}  // namespace

TagRecord ProgramTag(const TagRecord& stored, const CodePages& pages) {
    const StoredCodePage page = StoredCodePageOf(stored.title + stored.artist + stored.album +
                                                 stored.year + stored.comment);
    return WithTexts(stored,
                     [&](const std::string& text) { return ProgramText(text, page, pages); });
}

TagRecord LegacyTag(const TagRecord& program, const CodePages& pages) {
    return WithTexts(program, [&](const std::string& text) {
        return StoredText(text, StoredCodePage::kLegacy, pages);
    });
}

PathParts SplitPath(std::string_view path, bool firstDot, const TextCase& textCase) {
    // 1-based byte positions; 0 = none. The searches go by character: a trail
    // byte may equal '\\' or '.'.
    using Pos = std::size_t;
    const auto toPos = [](std::size_t at) -> Pos {
        return at == std::string_view::npos ? 0 : at + 1;
    };
    const auto backslashBefore = [&](Pos before) -> Pos {
        if (before <= 1) return 0;
        return toPos(LastBackslash(path.substr(0, before - 1), textCase));
    };
    const Pos n = path.size();
    const Pos p1 = backslashBefore(n + 1);
    const Pos p2 = p1 > 0 ? backslashBefore(p1) : 0;
    const Pos p3 = p2 > 0 ? backslashBefore(p2) : 0;
    Pos dot = firstDot ? toPos(FirstDot(path, textCase, p1 == 0 ? 0 : p1 - 1))
                       : toPos(LastDot(path, textCase));
    if (dot < p1) dot = 0;

    PathParts parts;
    parts.folder = std::string(path.substr(0, p1));
    parts.title =
        dot > 0 ? std::string(path.substr(p1, dot - p1 - 1)) : std::string(path.substr(p1));
    if (p2 > 0) parts.containing = std::string(path.substr(p2, p1 - p2 - 1));
    if (p3 > 0) parts.parent = std::string(path.substr(p3, p2 - p3 - 1));
    return parts;
}

std::string FixCase(std::string_view text, const TextCase& textCase) {
    if (textCase.Upper(text) != text) return std::string(text);  // has a lower-case letter
    std::string result = textCase.Lower(text);
    bool wordStart = true;
    for (char& c : result) {
        if (IsWordBreak(c)) {
            wordStart = true;
        } else if (wordStart) {
            c = textCase.Upper(std::string_view(&c, 1))[0];
            wordStart = false;
        }
    }
    return result;
}

GuessSettings GuessSettingsOf(const OptionsRecord& options) {
    GuessSettings s;
    s.lyricsExtension = options.LyricsExtension();
    s.firstDot = options.FirstDot();
    s.guessMode = options.GuessMode();
    return s;
}

void FillSongFromPath(CSong& song, const std::string& path, const GuessSettings& settings,
                      const FileSystem& fs, const TextCase& textCase, const CodePages& pages) {
    song.songPath = path;
    const PathParts parts = SplitPath(path, settings.firstDot, textCase);
    const std::string extension = TrimNull(settings.lyricsExtension);
    song.songLyrics = parts.folder + parts.title;
    if (!extension.empty()) song.songLyrics += "." + extension;

    // One opening of the file serves both tags.
    std::streamoff size = 0;
    const auto in = OpenWithSize(fs, path, size);
    TagRecord stored;
    if (in && ReadTagFrom(*in, size, stored)) {
        const TagRecord tag = ProgramTag(stored, pages);
        song.songTitle = RTrim(tag.title);
        song.songArtist = RTrim(tag.artist);
        song.songAlbum = RTrim(tag.album);
        song.songYear = RTrim(tag.year);
        song.songComments = RTrim(tag.comment);
        song.songGenre = tag.genre;
        return;
    }
    Id3v2Text text;
    if (in && ReadId3v2(*in, static_cast<std::uint64_t>(size), text)) {
        // Unicode text reaches the program's code page by the same route as
        // stored UTF-8.
        const auto program = [&](std::u16string_view field) {
            return ProgramText(Utf16ToUtf8(field), StoredCodePage::kUtf8, pages);
        };
        song.songTitle = program(text.title);
        song.songArtist = program(text.artist);
        song.songAlbum = program(text.album);
        song.songYear = program(text.year);
        song.songComments = program(text.comment);
        song.songGenre = Id3v2GenreNumber(text.genre);
        return;
    }
    song.songTitle = FixCase(parts.title, textCase);
    switch (settings.guessMode) {
    case 1: song.songArtist = FixCase(parts.containing, textCase); break;
    case 2: song.songAlbum = FixCase(parts.containing, textCase); break;
    case 3:
        song.songArtist = FixCase(parts.parent, textCase);
        song.songAlbum = FixCase(parts.containing, textCase);
        break;
    default: break;
    }
}

}  // namespace brambletune
