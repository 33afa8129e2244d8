#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brambletune {

class CSong;
class CodePages;
class FileSystem;
class OptionsRecord;
class TextCase;

// The ID3 version 1 tag as ReadTag returns it: each text field cut at its first
// NUL and padded with blanks to its width; the genre byte unchanged.
struct TagRecord {
    static constexpr std::size_t kSize = 128;
    std::string tag;      // "TAG"
    std::string title;    // 30
    std::string artist;   // 30
    std::string album;    // 30
    std::string year;     // 4
    std::string comment;  // 30
    std::uint8_t genre = 255;
};

// Decodes a 128-byte block (no check of the "TAG" marker).
TagRecord DecodeTag(const char* block);

// True when the file exists, is at least 128 bytes long and its last 128 bytes
// begin with "TAG" (case-sensitive); tag is then filled. A missing, unreadable or
// too short file, or a folder, has no tag. A read error counts as no tag.
bool ReadTag(const FileSystem& fs, const std::string& path, TagRecord& tag);
// The tag with its text fields as program text, all read in one code page by
// the stored-text rule (valid UTF-8, else the legacy page). Fields keep their
// blanks; a converted field may be longer than its width.
TagRecord ProgramTag(const TagRecord& stored, const CodePages& pages);
// The tag with its text fields in the legacy code page, as other players read
// ID3 version 1 tags, with "?" for what that page cannot hold.
TagRecord LegacyTag(const TagRecord& program, const CodePages& pages);
// A tag field without the blanks that pad it.
std::string RTrim(const std::string& text);

// Takes a media path apart, character by character in the code page of
// textCase. firstDot: the title ends at the first dot of the file name (true) or
// at the last dot (false).
struct PathParts {
    std::string folder;      // up to and including the last backslash
    std::string title;       // file name up to the dot
    std::string containing;  // name of the containing folder, or ""
    std::string parent;      // name of the folder above it, or ""
};
PathParts SplitPath(std::string_view path, bool firstDot, const TextCase& textCase);

// Proper case (first letter of each word upper, the rest lower) when the text
// has no lower-case letter; otherwise the text unchanged. Words are separated
// by blanks, tabs, CR and LF.
std::string FixCase(std::string_view text, const TextCase& textCase);

// The settings consulted when a song is made for a path.
struct GuessSettings {
    std::string lyricsExtension;  // cut at its first NUL; may be empty
    bool firstDot = true;
    std::int32_t guessMode = 3;  // 1 artist, 2 album, 3 album + parent artist, else none
};
GuessSettings GuessSettingsOf(const OptionsRecord& options);

// Fills song (which should be freshly cleared) for a media file path: path,
// lyrics file, then the ID3v1 tag's fields, or without one the ID3v2 tag's
// (in the code page of textCase), or without either the guesses.
void FillSongFromPath(CSong& song, const std::string& path, const GuessSettings& settings,
                      const FileSystem& fs, const TextCase& textCase, const CodePages& pages);

}  // namespace brambletune
