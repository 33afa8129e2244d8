#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brambletune {

class CodePages;
class TextCase;

// The media files a playlist names, as program text, in its order.
struct PlaylistEntries {
    std::vector<std::string> paths;
    // Entries left out because the program's code page cannot hold their names
    // (only on a system without the UTF-8 code page): no file could be opened.
    std::int32_t leftOut = 0;
};

// Reads a playlist file of any of the kinds other players write:
// - PLS: a first line "[playlist]"; the entries are the "FileN=" lines, taken
//   in the order of N (numbers may have gaps), every other line is ignored;
// - M3U, M3U8 or a plain list: one entry a line; blank lines and lines that
//   begin with "#" (directives and comments) name no file.
// A UTF-8 byte-order mark or a name ending in ".m3u8" means UTF-8 text,
// anything else is read by the stored-text rule. An entry that is not fully
// qualified is made absolute against folder (AbsolutePath).
PlaylistEntries ReadPlaylist(std::string_view bytes, std::string_view fileName,
                             const std::string& folder, const CodePages& pages,
                             const TextCase& textCase);

// One song of an exported playlist.
struct PlaylistSong {
    std::string path;  // absolute
    std::string artist;
    std::string title;
    std::int32_t seconds = 0;  // 0 = not known
};

// An M3U8 playlist: UTF-8 with a byte-order mark, "#EXTM3U", then for each
// song "#EXTINF:seconds,Artist - Title" (-1 seconds when not known, the title
// alone without an artist) and its path, with CR LF line ends.
std::string WriteM3u8(const std::vector<PlaylistSong>& songs, const CodePages& pages);

}  // namespace brambletune
