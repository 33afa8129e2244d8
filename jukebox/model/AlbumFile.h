#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

namespace brambletune {

class CSongList;
class CodePages;
class FileSystem;
class MessageBoxService;

inline constexpr const char* kInvalidAlbumText =
    "File is not a valid Brambletune Album or is corrupted";
inline constexpr const char* kInvalidAlbumCaption = "Invalid or Corrupted File";

enum class AlbumMode { kOpen, kAppend };

// The engine's album state that ReadAlbum and WriteAlbum touch.
struct AlbumPosition {
    std::int32_t currentSong = -1;  // open: the stored index, or -1 when it names no song
    std::int32_t oldCount = 0;      // append: the count before appending
};

// Reads a whole album from an open album file. Reads the header line; a magic
// that does not begin with "Brambl" (or a header that cannot be read) shows the
// invalid-file message and returns false with nothing changed. Open mode:
// ReadFile reads the rest and the current song becomes the stored index, 0 when
// that is negative, -1 when it is at or past the count or the album is empty;
// append mode: oldCount = nSongs, then AppendFile. A read error after the header
// shows the same message and returns false; the list then is empty with current
// song -1 (open) or as it was before (append), see CSongList::ReadFile. A "Brambl"
// magic of no known version gives an empty album (open) or adds nothing (append)
// and returns true. The texts after the header are read as UTF-8 when all of
// them together are valid UTF-8, else in the legacy code page.
bool ReadAlbum(std::istream& file, CSongList& list, AlbumMode mode, AlbumPosition& position,
               MessageBoxService& messages, const CodePages& pages);

// The magic written for a save-dialog filter index: 1 and 4 "Brambl27",
// 2 "Brambl25", 3 "Brambletune 2a", any other "" (nothing is written).
std::string MagicForFormat(int format);

// Writes a whole album: the header line (magic, currentSong) and SaveFile, its
// texts in UTF-8 (an album of ASCII names is the same in every code page).
// Any other format writes nothing. Returns false when the stream failed.
bool WriteAlbum(std::ostream& file, const CSongList& list, int format, std::int32_t currentSong,
                const CodePages& pages);

// Opens path and runs ReadAlbum. A file that cannot be opened returns false
// without a message: reporting opening errors is the caller's business.
bool LoadAlbumFile(const FileSystem& fs, const std::string& path, CSongList& list, AlbumMode mode,
                   AlbumPosition& position, MessageBoxService& messages, const CodePages& pages);

// Writes the album to a new file beside path (path + ".new"), then replaces path
// with it in one step, so a failure part-way never destroys the existing album.
// Returns false, removing the new file, when writing or replacing failed. A
// format outside 1..4 returns false at once and leaves every file as it was.
bool SaveAlbumFile(FileSystem& fs, const std::string& path, const CSongList& list, int format,
                   std::int32_t currentSong, const CodePages& pages);

}  // namespace brambletune
