// Times the engine's list work at playlist sizes of 10k and 100k songs:
// adding songs with the duplicate check on, RemoveDuplicates, and a whole
// Shuffle round, and removing every row after select-all. Targets at 100k
// natively: adding 10,000 songs < 0.5 s, RemoveDuplicates < 1 s, a Shuffle
// round < 1 s, select-all + remove < 0.5 s, each growing about linearly.
// Then the tag reading of adding songs: 10,000 real files (in the system's
// temporary folder, removed afterwards) read for their tags, with the time and
// the read calls and bytes the process made (Linux /proc/self/io; warm cache).
// Built for Windows and run under Wine, only the times count: the counters
// there are not the program's reads.
//
// usage: jukebox_engine_bench
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/Id3v2TestSupport.h"
#include "jukebox/model/MID3.h"
#include "jukebox/model/StdFileSystem.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/playback/doubles/EngineDoubles.h"
#include "jukebox/settings/MJukebox.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace brambletune;
using namespace brambletune::testing;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

CSong SongNumber(int i) {
    CSong song;
    song.songTitle = "Song " + std::to_string(i);
    song.songPath =
        "C:\\Music\\Artist " + std::to_string(i % 97) + "\\Song " + std::to_string(i) + ".mp3";
    return song;
}

// One engine with everything but the list work stubbed out in memory.
struct Bench : EngineDesk {
    ScriptedMci mci;
    TablePathNames paths;
    MemoryFileSystem files;
    AsciiTextCase textCase;
    MMCICtrl module{mci, files, paths, textCase};
    CJukeBox box{Services(module, files, paths, textCase)};

    explicit Bench(bool allowDuplicates) {
        box.Init();
        Options.SetAllowDuplicates(allowDuplicates);
    }
    void Fill(int n, int distinct) {
        for (int i = 0; i < n; ++i) box.Add(SongNumber(i % distinct));
    }
};

void AddWithDuplicateCheck(int n) {
    Bench bench(false);
    bench.Fill(n, n);
    const auto start = Clock::now();
    for (int i = n; i < n + 10000; ++i) bench.box.Add(SongNumber(i));
    std::printf("  add 10,000 to %6d (duplicates not allowed): %.3f s, %d songs\n", n, Since(start),
                bench.box.list.nSongs());
}

void RemoveDuplicates(int n) {
    Bench bench(true);
    bench.Fill(n, n - n / 10);  // one song in ten is a second copy
    bench.rows.SetSort(kTitleColumn, 0);
    const auto start = Clock::now();
    bench.box.RemoveDuplicates();
    std::printf("  RemoveDuplicates on %6d songs:             %.3f s, %d left\n", n, Since(start),
                bench.box.list.nSongs());
}

void ShuffleRound(int n) {
    Bench bench(true);
    bench.Fill(n, n);
    bench.box.list.PlayMode = 1;
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) bench.box.NextSong();
    std::printf("  Shuffle round of %6d songs:                %.3f s\n", n, Since(start));
}

void RemoveAllSelected(int n) {
    Bench bench(true);
    bench.Fill(n, n);
    bench.rows.SetSort(kTitleColumn, 0);
    const auto start = Clock::now();
    bench.rows.SelectAll(true);
    bench.box.RemoveSelected();
    std::printf("  select all + remove on %6d songs:          %.3f s, %d left\n", n, Since(start),
                bench.box.list.nSongs());
}

// The process's read calls and bytes read so far (0 where /proc is missing).
struct ReadCounters {
    unsigned long long calls = 0, bytes = 0;
};

ReadCounters ReadSoFar() {
    ReadCounters counters;
    std::ifstream io("/proc/self/io");
    std::string name;
    unsigned long long value = 0;
    while (io >> name >> value) {
        if (name == "rchar:") counters.bytes = value;
        if (name == "syscr:") counters.calls = value;
    }
    return counters;
}

// The files of one kind: a name and the bytes of the file's start; a non-zero
// size then makes the file that long (the rest sparse, so a big picture costs
// no disk).
struct TagKind {
    const char* name;
    std::string head;
    std::uintmax_t size;
};

std::vector<TagKind> TagKinds() {
    using namespace brambletune::testing;
    const std::string audio(4096, '\x55');
    std::string v1(128, '\0');
    v1.replace(0, 8, "TAGSong\0", 8);
    const std::string text = Id3Text(4, "TIT2", "Song", 3) + Id3Text(4, "TPE1", "Band", 3) +
                             Id3Text(4, "TALB", "Album", 3) + Id3Text(4, "TCON", "Rock", 3);
    const std::string picture = Id3Frame(4, "APIC", std::string(1 << 20, 'p'));
    return {
        {"no tag", audio, 0},
        {"ID3v1 only", audio + v1, 0},
        {"ID3v2 only, 1 KiB tag", Id3Tag(4, text, 0, 1024) + audio, 0},
        {"ID3v2 with a 1 MiB picture", Id3Tag(4, text + picture).substr(0, 4096), 2 << 20},
    };
}

// One pass of adding songs for paths: the time, the reads made and how many
// titles came from a tag.
void TimeTagPass(const char* name, const char* pass, const std::vector<std::string>& paths) {
    StdFileSystem fs;
    AsciiTextCase textCase;
    const Latin1CodePages pages;
    const GuessSettings settings{"", true, 3};
    const ReadCounters before = ReadSoFar();
    const auto start = Clock::now();
    std::size_t titled = 0;
    for (const auto& path : paths) {
        CSong song;
        FillSongFromPath(song, path, settings, fs, textCase, pages);
        titled += song.songTitle == "Song";
    }
    const double seconds = Since(start);
    const ReadCounters after = ReadSoFar();
    const double n = static_cast<double>(paths.size());
    std::printf(
        "  %-27s %-6s %.3f s (%6.1f us a file), %.2f reads, %6.0f bytes a file, %zu titles\n", name,
        pass, seconds, seconds * 1e6 / n, static_cast<double>(after.calls - before.calls) / n,
        static_cast<double>(after.bytes - before.bytes) / n, titled);
}

void ReadTags(int n) {
    const auto root = std::filesystem::temp_directory_path() / "jukebox_tag_bench";
    std::filesystem::remove_all(root);
    std::printf("tags read when adding %d files (first pass just after writing them)\n", n);
    int kindNumber = 0;
    for (const TagKind& kind : TagKinds()) {
        const auto folder = root / std::to_string(++kindNumber);
        std::filesystem::create_directories(folder);
        std::vector<std::string> paths;
        for (int i = 0; i < n; ++i) {
            paths.push_back((folder / ("song" + std::to_string(i) + ".mp3")).string());
            std::ofstream(paths.back(), std::ios::binary) << kind.head;
            if (kind.size > 0) std::filesystem::resize_file(paths.back(), kind.size);
        }
        TimeTagPass(kind.name, "first", paths);
        TimeTagPass(kind.name, "again", paths);
    }
    std::filesystem::remove_all(root);
}

}  // namespace

int main() {
    std::printf("jukebox engine list work\n");
    for (const int n : {10000, 100000}) AddWithDuplicateCheck(n);
    for (const int n : {10000, 100000}) RemoveDuplicates(n);
    for (const int n : {10000, 100000}) ShuffleRound(n);
    for (const int n : {10000, 100000}) RemoveAllSelected(n);
    ReadTags(10000);
    return 0;
}
