#pragma once

#include <sstream>
#include <string>

#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/model/AlbumFile.h"
#include "jukebox/model/CSong.h"
#include "jukebox/model/CSongList.h"

namespace brambletune::testing {

// The documented example record of the album format.
inline CSong ExampleSong() {
    CSong s;
    s.songTitle = "Morning Song";
    s.songPath = "C:\\Music\\Some Band\\First Album\\Morning Song.mp3";
    s.songArtist = "Some Band";
    s.songAlbum = "First Album";
    s.songLyrics = "C:\\Music\\Some Band\\First Album\\Morning Song.txt";
    s.songYear = "1999";
    s.songGenre = 255;
    s.songLength = 125;
    return s;
}

inline CSong NumberedSong(int i) {
    CSong s;
    s.songTitle = "Title " + std::to_string(i);
    s.songPath =
        "C:\\Music\\Artist " + std::to_string(i % 7) + "\\Song " + std::to_string(i) + ".mp3";
    s.songArtist = "Artist " + std::to_string(i % 7);
    s.songAlbum = "Album " + std::to_string(i % 3);
    s.songYear = std::to_string(1960 + i % 60);
    s.songGenre = i % 256;
    s.songLyrics = "C:\\Lyrics\\" + std::to_string(i) + ".txt";
    s.songComments = i % 2 ? "odd, with comma" : "even\r\nwith line break";
    s.songLength = i * 3;
    s.category = i % 5;
    return s;
}

// The program's code page is UTF-8 and the legacy one Latin-1, unless a test says otherwise.
inline const Latin1CodePages kUtf8Program;

inline std::string Write(const CSongList& list, int format, std::int32_t current = 0,
                         const CodePages& pages = kUtf8Program) {
    std::ostringstream out(std::ios::out | std::ios::binary);
    WriteAlbum(out, list, format, current, pages);
    return out.str();
}

inline bool Read(const std::string& bytes, CSongList& list, AlbumMode mode, AlbumPosition& position,
                 RecordingMessageBox& messages, const CodePages& pages = kUtf8Program) {
    std::istringstream in(bytes, std::ios::in | std::ios::binary);
    return ReadAlbum(in, list, mode, position, messages, pages);
}

}  // namespace brambletune::testing
