// Seeded, bounded randomized tests of the album reader and the tag readers.
#include <gtest/gtest.h>

#include <random>

#include "jukebox/AlbumTestSupport.h"
#include "jukebox/Id3v2TestSupport.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/model/Id3v2Tag.h"
#include "jukebox/model/MID3.h"

namespace brambletune {
namespace {

using testing::MemoryFileSystem;
using testing::NumberedSong;
using testing::Read;
using testing::RecordingMessageBox;
using testing::Write;

constexpr unsigned kSeed = 20261207;

std::string RandomBytes(std::mt19937& rng, std::size_t n, const std::string& alphabet = "") {
    std::string s(n, '\0');
    for (char& c : s) {
        c = alphabet.empty() ? static_cast<char>(rng() & 0xFF) : alphabet[rng() % alphabet.size()];
    }
    return s;
}

// Checks the reader's contract on one input: the message exactly when the read
// fails, a bounded list, a current song that names a song or none, and every
// song present readable.
void CheckOne(const std::string& bytes, std::size_t maxSongs) {
    CSongList list;
    RecordingMessageBox box;
    AlbumPosition pos;
    const bool ok = Read(bytes, list, AlbumMode::kOpen, pos, box);
    ASSERT_EQ(box.shown.size(), ok ? 0u : 1u);
    ASSERT_LE(static_cast<std::size_t>(list.nSongs()), maxSongs);
    ASSERT_GE(list.Capacity(), list.nSongs());
    ASSERT_LE(list.Capacity(), list.nSongs() + 26 + 65536 + 26);
    ASSERT_GE(pos.currentSong, -1);  // names a song or none
    ASSERT_LT(pos.currentSong, list.nSongs());
    for (int i = 0; i < list.nSongs(); ++i) (void)list.song(i).songTitle.size();
}

TEST(AlbumFuzz, RandomBytesNeverCrash) {
    std::mt19937 rng(kSeed);
    for (int iter = 0; iter < 3000; ++iter) {
        const std::string body = RandomBytes(rng, rng() % 400);
        CheckOne(body, body.size());
        CheckOne("\"Brambl27\",0\r\n" + body, body.size());
        CheckOne("\"Brambl25\",1\r\n" + body, body.size());
        CheckOne("\"Brambletune 2a\",-1\r\n" + body, body.size());
    }
}

TEST(AlbumFuzz, RandomTokensNeverCrash) {
    // Text built from the format's own characters reaches deeper into the reader.
    std::mt19937 rng(kSeed + 1);
    const std::string alphabet = "\"\",,,\r\n\r\n 0123456789-#TRUEFALS";
    for (int iter = 0; iter < 3000; ++iter) {
        const std::string body = RandomBytes(rng, rng() % 300, alphabet);
        for (const char* magic :
             {"\"Brambl27\",0\r\n", "\"Brambl25\",0\r\n", "\"Brambletune 2a\",0\r\n"}) {
            CheckOne(magic + body, body.size());
            CheckOne(std::string(magic) + std::to_string(rng() % 5) + ",0,#FALSE#\r\n" + body,
                     body.size() + 5);
        }
    }
}

TEST(AlbumFuzz, MutatedValidAlbumsKeepOnlyCompleteSongs) {
    std::mt19937 rng(kSeed + 2);
    for (int iter = 0; iter < 1500; ++iter) {
        CSongList list;
        const int n = static_cast<int>(rng() % 8);
        for (int i = 0; i < n; ++i) list.Add(NumberedSong(static_cast<int>(rng() % 1000)));
        const int format = 1 + static_cast<int>(rng() % 3);
        std::string file = Write(list, format, static_cast<std::int32_t>(rng() % 10) - 3);
        switch (rng() % 4) {
        case 0: file.resize(rng() % (file.size() + 1)); break;  // truncate
        case 1:
            for (int k = 0; k < 3; ++k) file[rng() % file.size()] = static_cast<char>(rng());
            break;
        case 2: file.insert(rng() % file.size(), 1, '"'); break;
        case 3: file.erase(rng() % file.size(), 1 + rng() % 10); break;
        }
        CSongList back;
        RecordingMessageBox box;
        AlbumPosition pos;
        const bool ok = Read(file, back, AlbumMode::kOpen, pos, box);
        ASSERT_EQ(box.shown.size(), ok ? 0u : 1u);
        // A damaged count line may claim more songs; the reader can find at most
        // as many records as the bytes allow (every record needs 6 bytes at least).
        ASSERT_LE(back.nSongs(), static_cast<int>(file.size() / 6) + 1);
        ASSERT_LE(back.Capacity(), back.nSongs() + 26 + 65536 + 26);
    }
}

TEST(AlbumFuzz, UntouchedAlbumsRoundTrip) {
    std::mt19937 rng(kSeed + 3);
    const std::string alphabet = "abcXYZ019 ,#*?[]!\t\r\n\\'-";
    for (int iter = 0; iter < 300; ++iter) {
        CSongList list;
        const int n = static_cast<int>(rng() % 5);
        for (int i = 0; i < n; ++i) {
            CSong s;
            // Plain-line fields without line breaks, comments with them.
            const std::string plain = "abcXYZ019 ,#*?[]!\t\\'-\"";
            s.songTitle = RandomBytes(rng, rng() % 20, plain);
            s.songPath = RandomBytes(rng, rng() % 20, plain);
            s.songArtist = RandomBytes(rng, rng() % 20, plain);
            s.songAlbum = RandomBytes(rng, rng() % 20, plain);
            s.songLyrics = RandomBytes(rng, rng() % 20, plain);
            s.songYear = RandomBytes(rng, rng() % 5, plain);
            s.songComments = RandomBytes(rng, rng() % 40, alphabet);
            s.songGenre = static_cast<std::int32_t>(rng());
            s.songLength = static_cast<std::int32_t>(rng());
            s.category = static_cast<std::int32_t>(rng());
            list.Add(s);
        }
        const std::string file = Write(list, 1, 0);
        CSongList back;
        RecordingMessageBox box;
        AlbumPosition pos;
        ASSERT_TRUE(Read(file, back, AlbumMode::kOpen, pos, box));
        ASSERT_EQ(back.nSongs(), n);
        for (int i = 0; i < n; ++i) {
            // Leading blanks of the comment are skipped neither: it is quoted.
            ASSERT_EQ(back.song(i).songTitle, list.song(i).songTitle);
            ASSERT_EQ(back.song(i).songPath, list.song(i).songPath);
            ASSERT_EQ(back.song(i).songComments, list.song(i).songComments);
            ASSERT_EQ(back.song(i).songLength, list.song(i).songLength);
            ASSERT_EQ(back.song(i).category, list.song(i).category);
        }
    }
}

// Reference model of the tag reader, written straight from the tag layout.
bool ModelTag(const std::string& file, TagRecord& out) {
    if (file.size() < 128) return false;
    const std::string b = file.substr(file.size() - 128);
    if (b.compare(0, 3, "TAG") != 0) return false;
    auto field = [&](std::size_t at, std::size_t w) {
        std::string s = b.substr(at, w);
        s = s.substr(0, s.find('\0'));
        s.resize(w, ' ');
        return s;
    };
    out.title = field(3, 30);
    out.artist = field(33, 30);
    out.album = field(63, 30);
    out.year = field(93, 4);
    out.comment = field(97, 30);
    out.genre = static_cast<std::uint8_t>(b[127]);
    return true;
}

TEST(TagFuzz, ReaderAgreesWithTheModel) {
    std::mt19937 rng(kSeed + 4);
    MemoryFileSystem fs;
    for (int iter = 0; iter < 5000; ++iter) {
        std::string file =
            RandomBytes(rng, rng() % 400, rng() % 2 ? "" : std::string("TAG\0ab ", 7));
        if (file.size() >= 128 && rng() % 2) file.replace(file.size() - 128, 3, "TAG");
        fs.files["f.mp3"] = file;
        TagRecord got, want;
        const bool ok = ReadTag(fs, "f.mp3", got);
        ASSERT_EQ(ok, ModelTag(file, want)) << file.size();
        if (!ok) continue;
        ASSERT_EQ(got.title, want.title);
        ASSERT_EQ(got.artist, want.artist);
        ASSERT_EQ(got.album, want.album);
        ASSERT_EQ(got.year, want.year);
        ASSERT_EQ(got.comment, want.comment);
        ASSERT_EQ(got.genre, want.genre);
        ASSERT_EQ(got.title.size(), 30u);
        ASSERT_EQ(got.year.size(), 4u);
    }
}

// A valid tag of a random version: text frames in random encodings, now and
// then a picture, padding, unsynchronisation or an extended header.
std::string RandomId3v2(std::mt19937& rng, std::string& title) {
    const int version = 2 + static_cast<int>(rng() % 3);
    const bool v2 = version == 2;
    const char encoding = static_cast<char>(v2 ? rng() % 2 : rng() % 4);
    title = RandomBytes(rng, 1 + rng() % 20, "abcXYZ 09");
    std::string titleBytes = title;
    if (encoding == 1 || encoding == 2) {
        titleBytes.clear();
        if (encoding == 1) titleBytes = "\xFF\xFE";
        for (const char c : title)
            titleBytes += encoding == 1 ? std::string{c, '\0'} : std::string{'\0', c};
    }
    std::string frames = testing::Id3Text(version, v2 ? "TT2" : "TIT2", titleBytes, encoding);
    for (int i = static_cast<int>(rng() % 4); i > 0; --i) {
        const char* ids[] = {"TPE1", "TALB", "TCON", "COMM", "APIC", "TRCK"};
        const std::string id = v2 ? "TP1" : ids[rng() % 6];
        frames += testing::Id3Frame(version, id, RandomBytes(rng, rng() % 300));
    }
    unsigned flags = 0;
    if (version == 3 && rng() % 4 == 0) {
        flags |= 0x40;
        frames = std::string("\0\0\0\x06", 4) + std::string(6, '\0') + frames;
    }
    if (version != 4 && rng() % 4 == 0) {
        flags |= 0x80;
        frames = testing::Unsynchronise(frames);
    }
    return testing::Id3Tag(version, frames, flags, rng() % 3 ? 0 : rng() % 500);
}

// The size the header states, or 0 when it states none.
std::uint64_t StatedTagEnd(const std::string& file) {
    if (file.size() < 10 || file.compare(0, 3, "ID3") != 0) return 0;
    std::uint64_t size = 0;
    for (int i = 6; i < 10; ++i) size = (size << 7) | (static_cast<unsigned char>(file[i]) & 0x7F);
    return 10 + size;
}

TEST(Id3v2Fuzz, ValidTagsReadBackTheirTitle) {
    std::mt19937 rng(kSeed + 5);
    for (int iter = 0; iter < 2000; ++iter) {
        std::string title;
        const std::string file = RandomId3v2(rng, title) + RandomBytes(rng, rng() % 200);
        Id3v2Text t;
        ASSERT_TRUE(ParseId3v2(file, file.size(), t)) << iter;
        ASSERT_EQ(t.title, std::u16string(title.begin(), title.end())) << iter;
    }
}

TEST(Id3v2Fuzz, DamagedTagsNeverCrashAndNeverReachPastTheFile) {
    std::mt19937 rng(kSeed + 6);
    MemoryFileSystem fs;
    for (int iter = 0; iter < 5000; ++iter) {
        std::string title;
        std::string file = RandomId3v2(rng, title) + RandomBytes(rng, rng() % 100);
        switch (rng() % 4) {
        case 0: file.resize(rng() % (file.size() + 1)); break;
        case 1:
            for (int k = 0; k < 3; ++k) file[rng() % file.size()] = static_cast<char>(rng());
            break;
        case 2: file.insert(rng() % file.size(), RandomBytes(rng, 1 + rng() % 4)); break;
        case 3: file.erase(3 + rng() % (file.size() - 3), 1 + rng() % 10); break;
        }
        Id3v2Text parsed;
        const bool ok = ParseId3v2(file, file.size(), parsed);
        if (ok) {
            ASSERT_LE(StatedTagEnd(file), file.size()) << iter;
        } else {
            ASSERT_TRUE(parsed.title.empty() && parsed.comment.empty()) << iter;
        }
        ASSERT_LE(parsed.title.size(), file.size());
        // Through a file: the same answer from the first block.
        fs.files["f.mp3"] = file;
        Id3v2Text read;
        ASSERT_EQ(ReadId3v2(fs, "f.mp3", read), ok) << iter;
        ASSERT_EQ(read.title, parsed.title) << iter;
        ASSERT_EQ(read.comment, parsed.comment) << iter;
    }
}

}  // namespace
}  // namespace brambletune
