#include "jukebox/model/CSong.h"

#include "jukebox/model/AlbumStream.h"
#include "jukebox/model/AlbumVersion.h"
#include "jukebox/model/TextCase.h"
#include "jukebox/model/Wildcard.h"

namespace brambletune {
namespace {

// MatchField: an empty criterion passes; otherwise the lower-cased candidate must
// match "*" + lower-cased criterion + "*".
bool MatchField(const std::string& criterion, const std::string& candidate,
                const TextCase& textCase) {
    if (criterion.empty()) return true;
    std::string pattern(1, '*');  // built piecewise: GCC 12 warns falsely on "*" + text
    pattern += textCase.Lower(criterion);
    pattern += '*';
    return WildcardMatch(textCase.Lower(candidate), pattern);
}

}  // namespace

bool CSong::IsEmpty() const {
    return songTitle.empty() && songPath.empty() && songArtist.empty() && songAlbum.empty() &&
           songYear.empty() && (songGenre == kNoGenre || songGenre == kAnyGenre) &&
           songLyrics.empty() && songComments.empty();
}

bool CSong::IsEqual(const CSong& other) const {
    return songTitle == other.songTitle && songPath == other.songPath &&
           songArtist == other.songArtist && songAlbum == other.songAlbum &&
           songYear == other.songYear && songGenre == other.songGenre &&
           songLyrics == other.songLyrics && songComments == other.songComments;
}

bool CSong::LikeSong(const CSong& candidate, const TextCase& textCase) const {
    if (candidate.IsEmpty()) return false;
    if (!MatchField(songTitle, candidate.songTitle, textCase)) return false;
    if (!MatchField(songPath, candidate.songPath, textCase)) return false;
    if (!MatchField(songArtist, candidate.songArtist, textCase)) return false;
    if (!MatchField(songAlbum, candidate.songAlbum, textCase)) return false;
    if (!MatchField(songYear, candidate.songYear, textCase)) return false;
    if (songGenre != kAnyGenre && candidate.songGenre != songGenre) return false;
    if (!MatchField(songLyrics, candidate.songLyrics, textCase)) return false;
    if (!MatchField(songComments, candidate.songComments, textCase)) return false;
    return true;
}

void CSong::Clear() {
    *this = CSong();
}

void CSong::Copy(const CSong& source) {
    if (&source == this) return;
    songTitle = source.songTitle;
    songPath = source.songPath;
    songArtist = source.songArtist;
    songAlbum = source.songAlbum;
    songYear = source.songYear;
    songGenre = source.songGenre;
    songLyrics = source.songLyrics;
    songComments = source.songComments;
    songLength = source.songLength;
    category = source.category;
}

bool CSong::Read(AlbumReader& file, std::string_view version) {
    switch (VersionOf(version)) {
    case AlbumVersion::k27:
    case AlbumVersion::k25: {
        const bool v27 = VersionOf(version) == AlbumVersion::k27;
        if (!file.ReadLine(songTitle) || !file.ReadLine(songPath) || !file.ReadLine(songArtist) ||
            !file.ReadLine(songAlbum) || !file.ReadLine(songLyrics) || !file.ReadLine(songYear) ||
            !file.ReadInt(songGenre) || !file.ReadInt(songLength) || !file.ReadText(songComments)) {
            return false;
        }
        history = 0;
        category = 0;
        if (v27 && (!file.ReadInt(history) || !file.ReadInt(category))) return false;
        return true;
    }
    case AlbumVersion::k2a:
        songYear.clear();
        songGenre = kNoGenre;
        songLength = 0;
        history = 0;
        category = 0;
        return file.ReadText(songTitle) && file.ReadText(songPath) && file.ReadText(songArtist) &&
               file.ReadText(songAlbum) && file.ReadText(songLyrics) && file.ReadText(songComments);
    case AlbumVersion::kUnknown: break;
    }
    return true;
}

void CSong::Save(AlbumWriter& file, std::string_view version) const {
    switch (VersionOf(version)) {
    case AlbumVersion::k27:
    case AlbumVersion::k25:
        file.WriteLine(songTitle);
        file.WriteLine(songPath);
        file.WriteLine(songArtist);
        file.WriteLine(songAlbum);
        file.WriteLine(songLyrics);
        file.WriteLine(songYear);
        file.Int(songGenre);
        file.Int(songLength);
        file.Text(songComments);
        if (VersionOf(version) == AlbumVersion::k27) {
            file.Int(history);
            file.Int(category);
        }
        file.EndLine();
        break;
    case AlbumVersion::k2a:
        file.Text(songTitle);
        file.Text(songPath);
        file.Text(songArtist);
        file.Text(songAlbum);
        file.Text(songLyrics);
        file.Text(songComments);
        file.EndLine();
        break;
    case AlbumVersion::kUnknown: break;
    }
}

}  // namespace brambletune
