// Writes and reads "Brambl27" albums of 1k, 10k and 100k songs through the real
// file system and prints the times. Target: 100k songs load and save in < 0.3 s.
// Its two other modes serve run_open_album_bench.py, which opens such albums in
// the real program: one writes a single album, the other prints the options
// record that keeps the program from playing the album's first song on opening.
//
// usage: jukebox_album_bench [folder]   (default: the current folder)
//        jukebox_album_bench --write SONGS PATH
//        jukebox_album_bench --options-without-autoplay   (the 332 bytes as hex)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "jukebox/model/AlbumFile.h"
#include "jukebox/model/CSongList.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/StdFileSystem.h"
#include "jukebox/settings/MJukebox.h"
#ifdef _WIN32
#include "jukebox/model/Win32CodePages.h"
#include "jukebox/model/Win32FileSystem.h"
#else
#include "jukebox/doubles/Latin1CodePages.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

const brambletune::CodePages& Pages() {
#ifdef _WIN32
    static const brambletune::Win32CodePages pages;
#else
    static const brambletune::testing::Latin1CodePages pages;
#endif
    return pages;
}

class SilentMessages : public brambletune::MessageBoxService {
public:
    int shown = 0;
    int Show(const std::string&, const std::string&, std::uint32_t) override {
        ++shown;
        return 1;
    }
    int ShowOwned(std::uintptr_t, const std::string& text, const std::string& caption,
                  std::uint32_t style) override {
        return Show(text, caption, style);
    }
};

brambletune::CSong MakeSong(int i) {
    brambletune::CSong s;
    const std::string n = std::to_string(i);
    s.songTitle = "Song number " + n;
    s.songPath = "C:\\Music\\Artist " + std::to_string(i % 97) + "\\Album " +
                 std::to_string(i % 13) + "\\Song number " + n + ".mp3";
    s.songArtist = "Artist " + std::to_string(i % 97);
    s.songAlbum = "Album " + std::to_string(i % 13);
    s.songYear = std::to_string(1950 + i % 70);
    s.songGenre = i % 256;
    s.songLyrics = "C:\\Music\\Artist " + std::to_string(i % 97) + "\\Album " +
                   std::to_string(i % 13) + "\\Song number " + n + ".txt";
    s.songComments = i % 10 == 0 ? "A comment\r\nwith two lines" : "";
    s.songLength = 120 + i % 300;
    s.category = i % 3;
    return s;
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void FillList(brambletune::CSongList& list, int n) {
    for (int i = 0; i < n; ++i) list.Add(MakeSong(i));
}

int WriteAlbum(brambletune::FileSystem& fs, const char* songs, const std::string& path) {
    const int n = std::atoi(songs);
    if (n <= 0) {
        std::fprintf(stderr, "not a number of songs: %s\n", songs);
        return 2;
    }
    brambletune::CSongList list;
    FillList(list, n);
    if (!brambletune::SaveAlbumFile(fs, path, list, 1, 0, Pages())) {
        std::fprintf(stderr, "save failed: %s\n", path.c_str());
        return 2;
    }
    return 0;
}

int PrintOptionsWithoutAutoPlay() {
    brambletune::OptionsRecord options = brambletune::DefaultOptions();
    options.SetAutoPlay(false);
    for (std::uint8_t byte : options.bytes()) std::printf("%02x", byte);
    std::printf("\n");
    return 0;
}

int RunRounds(brambletune::FileSystem& fs, const std::string& folder) {
    int failures = 0;
    std::printf("%8s %10s %10s %10s\n", "songs", "bytes", "save s", "load s");
    for (int n : {1000, 10000, 100000}) {
        brambletune::CSongList list;
        FillList(list, n);
        const std::string path = folder + "jukebox_bench_" + std::to_string(n) + ".alb";

        double bestSave = 1e9, bestLoad = 1e9;
        long bytes = 0;
        for (int round = 0; round < 3; ++round) {
            const auto t0 = Clock::now();
            if (!brambletune::SaveAlbumFile(fs, path, list, 1, 0, Pages())) {
                std::printf("save failed: %s\n", path.c_str());
                return 2;
            }
            const auto t1 = Clock::now();
            brambletune::CSongList back;
            brambletune::AlbumPosition position;
            SilentMessages messages;
            const bool ok = brambletune::LoadAlbumFile(
                fs, path, back, brambletune::AlbumMode::kOpen, position, messages, Pages());
            const auto t2 = Clock::now();
            if (!ok || back.nSongs() != n || !back.song(n - 1).IsEqual(list.song(n - 1))) {
                std::printf("load failed or differs: %s\n", path.c_str());
                ++failures;
            }
            bestSave = std::min(bestSave, Seconds(t1 - t0));
            bestLoad = std::min(bestLoad, Seconds(t2 - t1));
        }
        if (auto in = fs.OpenRead(path)) {
            in->seekg(0, std::ios::end);
            bytes = static_cast<long>(in->tellg());
        }
        fs.Remove(path);
        std::printf("%8d %10ld %10.4f %10.4f\n", n, bytes, bestSave, bestLoad);
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    brambletune::Win32FileSystem fs;  // std::rename does not replace on Windows
#else
    brambletune::StdFileSystem fs;
#endif
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--write" && argc == 4) return WriteAlbum(fs, argv[2], argv[3]);
    if (mode == "--options-without-autoplay") return PrintOptionsWithoutAutoPlay();
    if (mode.starts_with("--")) {
        std::fprintf(stderr,
                     "usage: jukebox_album_bench [folder] | --write SONGS PATH | "
                     "--options-without-autoplay\n");
        return 2;
    }
    return RunRounds(fs, mode.empty() ? std::string() : mode + "/");
}
