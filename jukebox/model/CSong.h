#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brambletune {

class AlbumReader;
class AlbumWriter;
class TextCase;

inline constexpr std::int32_t kNoGenre = 255;  // songGenre of a song without genre
inline constexpr std::int32_t kAnyGenre = -1;  // songGenre of a search criterion: any genre

// One playlist entry: a plain value object. Text is ANSI.
class CSong {
public:
    std::string songTitle;
    std::string songPath;
    std::string songArtist;
    std::string songAlbum;
    std::string songYear;
    std::int32_t songGenre = kNoGenre;
    std::string songLyrics;
    std::string songComments;
    std::int32_t songLength = 0;  // seconds; 0 = not yet known
    std::int32_t history = 0;     // 1 = played in the current shuffle round
    std::int32_t category = 0;    // carried through, never interpreted

    // True when every text field is empty and songGenre is 255 or -1.
    bool IsEmpty() const;
    // Exact comparison of the eight information fields (not length, history, category).
    bool IsEqual(const CSong& other) const;
    // This song is the search criterion; candidate is the song tested. Each non-empty
    // criterion text must occur in the candidate's field, ignoring case (through
    // textCase), with the wildcards of WildcardMatch.
    bool LikeSong(const CSong& candidate, const TextCase& textCase) const;
    // Every field back to its creation value.
    void Clear();
    // Copies every field but history.
    void Copy(const CSong& source);

    // One record of an open album file in the layout of version (the magic text).
    // An unknown version reads and writes nothing. Read returns false on a read
    // error (premature end, a non-number where a number belongs); the song's
    // fields then hold whatever was read before the error.
    bool Read(AlbumReader& file, std::string_view version);
    void Save(AlbumWriter& file, std::string_view version) const;
};

}  // namespace brambletune
