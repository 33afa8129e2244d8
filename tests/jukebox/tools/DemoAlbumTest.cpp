#include "jukebox/tools/DemoAlbum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <string>

#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/model/AlbumFile.h"
#include "jukebox/model/CSongList.h"

namespace brambletune {
namespace {

using testing::Latin1CodePages;
using testing::MemoryFileSystem;
using testing::RecordingMessageBox;

constexpr std::uint32_t kRate = 22050;
const std::string kFolder = "Z:\\work\\build\\demo\\";

std::uint32_t ReadLE(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::int16_t Sample(const std::string& wav, std::size_t i) {
    return static_cast<std::int16_t>(ReadLE(wav, 44 + 2 * i, 2));
}

// Sign changes per second, halved: the tone's frequency.
double MeasuredFrequency(const std::string& wav) {
    const std::size_t samples = (wav.size() - 44) / 2;
    int crossings = 0;
    for (std::size_t i = 1; i < samples; ++i)
        if ((Sample(wav, i - 1) < 0) != (Sample(wav, i) < 0)) ++crossings;
    return crossings / 2.0 / (static_cast<double>(samples) / kRate);
}

TEST(DemoAlbumTest, ToneIsAPlayablePcmWaveOfItsPitchAndLength) {
    const std::string wav = ToneWav(440.0, 3000);
    ASSERT_EQ(wav.size(), 44u + kRate * 3 * 2);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(ReadLE(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(ReadLE(wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(ReadLE(wav, 22, 2), 1u);  // mono
    EXPECT_EQ(ReadLE(wav, 24, 4), kRate);
    EXPECT_EQ(ReadLE(wav, 28, 4), kRate * 2);
    EXPECT_EQ(ReadLE(wav, 34, 2), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(ReadLE(wav, 40, 4), wav.size() - 44);
    EXPECT_NEAR(MeasuredFrequency(wav), 440.0, 2.0);
    EXPECT_EQ(Sample(wav, 0), 0) << "faded in";
    EXPECT_EQ(Sample(wav, kRate * 3 - 1), 0) << "faded out";
}

TEST(DemoAlbumTest, AlbumReadsBackWithOneShortToneOfItsOwnPitchPerSong) {
    MemoryFileSystem files;
    Latin1CodePages pages;
    const std::string album = MakeDemoAlbum(files, kFolder, pages);
    ASSERT_EQ(album, kFolder + kDemoAlbumName);

    CSongList list;
    AlbumPosition position;
    RecordingMessageBox messages;
    ASSERT_TRUE(LoadAlbumFile(files, album, list, AlbumMode::kOpen, position, messages, pages));
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_GE(list.nSongs(), 3);
    EXPECT_EQ(position.currentSong, 0);
    std::set<std::string> titles;
    std::set<long> pitches;
    for (std::int32_t i = 0; i < list.nSongs(); ++i) {
        const CSong& song = list.song(i);
        SCOPED_TRACE(song.songPath);
        titles.insert(song.songTitle);
        EXPECT_EQ(song.songPath.rfind(kFolder, 0), 0u);
        EXPECT_GE(song.songLength, 3);
        EXPECT_LE(song.songLength, 5);
        ASSERT_TRUE(files.FileExists(song.songPath));
        const std::string& wav = files.files[song.songPath];
        EXPECT_EQ(wav.size() - 44, kRate * 2u * static_cast<std::uint32_t>(song.songLength));
        pitches.insert(std::lround(MeasuredFrequency(wav)));
    }
    EXPECT_EQ(titles.size(), static_cast<std::size_t>(list.nSongs()));
    EXPECT_EQ(pitches.size(), static_cast<std::size_t>(list.nSongs()));
}

TEST(DemoAlbumTest, FolderThatCannotBeWrittenGivesNoAlbum) {
    MemoryFileSystem files;
    files.unwritable.insert(kFolder + "01 Concert A.wav");
    EXPECT_EQ(MakeDemoAlbum(files, kFolder, Latin1CodePages()), "");
    EXPECT_FALSE(files.FileExists(kFolder + kDemoAlbumName));
}

}  // namespace
}  // namespace brambletune
