// Times the engine's list work at playlist sizes of 10k and 100k songs:
// adding songs with the duplicate check on, RemoveDuplicates, and a whole
// Shuffle round, and removing every row after select-all. Targets at 100k
// natively: adding 10,000 songs < 0.5 s, RemoveDuplicates < 1 s, a Shuffle
// round < 1 s, select-all + remove < 0.5 s, each growing about linearly.
//
// usage: jukebox_engine_bench
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/doubles/RecordingMessageBox.h"
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

}  // namespace

int main() {
    std::printf("jukebox engine list work\n");
    for (const int n : {10000, 100000}) AddWithDuplicateCheck(n);
    for (const int n : {10000, 100000}) RemoveDuplicates(n);
    for (const int n : {10000, 100000}) ShuffleRound(n);
    for (const int n : {10000, 100000}) RemoveAllSelected(n);
    return 0;
}
