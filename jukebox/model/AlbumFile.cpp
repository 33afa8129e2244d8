#include "jukebox/model/AlbumFile.h"

#include "jukebox/model/AlbumStream.h"
#include "jukebox/model/AlbumVersion.h"
#include "jukebox/model/CSongList.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/ReplaceFile.h"
#include "jukebox/model/StoredText.h"

namespace brambletune {
namespace {

// Every album magic begins with this; other files are rejected at once.
constexpr std::string_view kMagicPrefix = "Brambl";

// A magic longer than this cannot be an album header: reading stops there, so
// that opening a large foreign file fails at once and cheaply.
constexpr std::size_t kMaxHeaderItem = 4096;

// The current song after opening: the stored index when it names a song (a
// negative one means the first), else -1, so that the engine never holds an
// index past the songs actually read.
std::int32_t OpenedSong(std::int32_t stored, std::int32_t count) {
    if (count == 0 || stored >= count) return -1;
    return stored < 0 ? 0 : stored;
}

bool Reject(MessageBoxService& messages) {
    messages.Show(kInvalidAlbumText, kInvalidAlbumCaption,
                  MessageBoxService::kOk | MessageBoxService::kIconExclamation);
    return false;
}

// The code page of everything from the buffer's position on, judged on the
// whole rest so that no single legacy name passes for UTF-8 by chance. The
// buffer is back at its position afterwards; false when it cannot seek.
bool CodePageOfRest(std::streambuf& buffer, StoredCodePage& page) {
    const std::streampos start = buffer.pubseekoff(0, std::ios::cur, std::ios::in);
    if (start == std::streampos(-1)) return false;
    Utf8Check check;
    std::string chunk(64u << 10, '\0');
    for (std::streamsize got = 0; !check.Broken();) {
        got = buffer.sgetn(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (got <= 0) break;
        check.Feed(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
    }
    page = check.Valid() ? StoredCodePage::kUtf8 : StoredCodePage::kLegacy;
    return buffer.pubseekpos(start, std::ios::in) == start;
}

}  // namespace

bool ReadAlbum(std::istream& file, CSongList& list, AlbumMode mode, AlbumPosition& position,
               MessageBoxService& messages, const CodePages& pages) {
    std::streambuf* buffer = file.rdbuf();
    if (buffer == nullptr) return Reject(messages);
    std::string magic;
    std::int32_t index = 0;
    {
        AlbumReader header(*buffer, kMaxHeaderItem);
        if (!header.ReadText(magic) || !std::string_view(magic).starts_with(kMagicPrefix) ||
            !header.ReadInt(index)) {
            return Reject(messages);
        }
    }
    StoredCodePage page = StoredCodePage::kUtf8;
    if (!CodePageOfRest(*buffer, page)) return Reject(messages);
    AlbumReader reader(*buffer, AlbumReader::kDefaultMaxItem, [&](std::string& text) {
        if (!IsAscii(text)) text = ProgramText(text, page, pages);
    });
    bool ok = false;
    if (mode == AlbumMode::kOpen) {
        ok = list.ReadFile(reader, magic);
        position.currentSong = ok ? OpenedSong(index, list.nSongs()) : -1;
    } else {
        position.oldCount = list.nSongs();
        ok = list.AppendFile(reader, magic);
    }
    return ok ? true : Reject(messages);
}

std::string MagicForFormat(int format) {
    switch (format) {
    case 1:
    case 4: return std::string(kMagic27);
    case 2: return std::string(kMagic25);
    case 3: return std::string(kMagic2a);
    default: return "";
    }
}

bool WriteAlbum(std::ostream& file, const CSongList& list, int format, std::int32_t currentSong,
                const CodePages& pages) {
    const std::string magic = MagicForFormat(format);
    if (magic.empty()) return static_cast<bool>(file);
    {
        AlbumWriter writer(file, [&](std::string_view text) {
            return StoredText(text, StoredCodePage::kUtf8, pages);
        });
        writer.Text(magic);
        writer.Int(currentSong);
        writer.EndLine();
        list.SaveFile(writer, magic);
    }
    file.flush();
    return static_cast<bool>(file);
}

bool LoadAlbumFile(const FileSystem& fs, const std::string& path, CSongList& list, AlbumMode mode,
                   AlbumPosition& position, MessageBoxService& messages, const CodePages& pages) {
    auto in = fs.OpenRead(path);
    if (!in) return false;
    return ReadAlbum(*in, list, mode, position, messages, pages);
}

bool SaveAlbumFile(FileSystem& fs, const std::string& path, const CSongList& list, int format,
                   std::int32_t currentSong, const CodePages& pages) {
    // A format with no magic would write an empty file over the album.
    if (MagicForFormat(format).empty()) return false;
    return ReplaceFile(fs, path, [&](std::ostream& out) {
        return WriteAlbum(out, list, format, currentSong, pages);
    });
}

}  // namespace brambletune
