#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace brambletune {

class FileSystem;

// The fields of an ID3 version 2 tag (2.2, 2.3 or 2.4) that a song takes, as
// UTF-16 text; an absent frame leaves its field empty.
struct Id3v2Text {
    std::u16string title;    // TIT2 / TT2
    std::u16string artist;   // TPE1 / TP1
    std::u16string album;    // TALB / TAL
    std::u16string year;     // TYER / TYE, or the year of TDRC
    std::u16string genre;    // TCON / TCO, as written
    std::u16string comment;  // the first COMM / COM, one without description first
};

// At most this much of a file's start is read for its tag: writers put the text
// frames first and pictures after them, so the frames a song takes fit in it.
inline constexpr std::size_t kId3v2ReadLimit = 64 * 1024;

// Parses the tag at the start of head, the first bytes of a file of fileSize
// bytes. False when there is no tag, when the tag holds none of the fields, or
// when a size disagrees with the tag or the file (a damaged tag is no tag).
// Frames past the end of head are not read.
bool ParseId3v2(std::string_view head, std::uint64_t fileSize, Id3v2Text& out);

// ParseId3v2 over the file's first block (at most kId3v2ReadLimit bytes, read
// only when the file starts with "ID3"), from an open file of fileSize bytes
// at any position, or from the file at path. A missing or unreadable file has
// no tag.
bool ReadId3v2(std::istream& in, std::uint64_t fileSize, Id3v2Text& out);
bool ReadId3v2(const FileSystem& fs, const std::string& path, Id3v2Text& out);

// The genre number of a genre text: "17", "(17)", "(17)Rock", or a name of the
// genre list (any case); 255 (no genre) otherwise.
std::int32_t Id3v2GenreNumber(std::u16string_view text);

}  // namespace brambletune
