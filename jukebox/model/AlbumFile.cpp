#include "jukebox/model/AlbumFile.h"

#include "jukebox/model/AlbumStream.h"
#include "jukebox/model/AlbumVersion.h"
#include "jukebox/model/CSongList.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/ReplaceFile.h"

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

}  // namespace

bool ReadAlbum(std::istream& file, CSongList& list, AlbumMode mode, AlbumPosition& position,
               MessageBoxService& messages) {
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
    AlbumReader reader(*buffer);
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

bool WriteAlbum(std::ostream& file, const CSongList& list, int format, std::int32_t currentSong) {
    const std::string magic = MagicForFormat(format);
    if (magic.empty()) return static_cast<bool>(file);
    {
        AlbumWriter writer(file);
        writer.Text(magic);
        writer.Int(currentSong);
        writer.EndLine();
        list.SaveFile(writer, magic);
    }
    file.flush();
    return static_cast<bool>(file);
}

bool LoadAlbumFile(const FileSystem& fs, const std::string& path, CSongList& list, AlbumMode mode,
                   AlbumPosition& position, MessageBoxService& messages) {
    auto in = fs.OpenRead(path);
    if (!in) return false;
    return ReadAlbum(*in, list, mode, position, messages);
}

bool SaveAlbumFile(FileSystem& fs, const std::string& path, const CSongList& list, int format,
                   std::int32_t currentSong) {
    // A format with no magic would write an empty file over the album.
    if (MagicForFormat(format).empty()) return false;
    return ReplaceFile(
        fs, path, [&](std::ostream& out) { return WriteAlbum(out, list, format, currentSong); });
}

}  // namespace brambletune
