// Writes and reads "Brambl27" albums of 1k, 10k and 100k songs through the real
// file system and prints the times. Target: 100k songs load and save in < 0.3 s.
//
// usage: jukebox_album_bench [folder]   (default: the current folder)
#include <chrono>
#include <cstdio>
#include <string>

#include "jukebox/model/AlbumFile.h"
#include "jukebox/model/CSongList.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/StdFileSystem.h"
#ifdef _WIN32
#include "jukebox/model/Win32FileSystem.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

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

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string();
#ifdef _WIN32
    brambletune::Win32FileSystem fs;  // std::rename does not replace on Windows
#else
    brambletune::StdFileSystem fs;
#endif
    int failures = 0;
    std::printf("%8s %10s %10s %10s\n", "songs", "bytes", "save s", "load s");
    for (int n : {1000, 10000, 100000}) {
        brambletune::CSongList list;
        for (int i = 0; i < n; ++i) list.Add(MakeSong(i));
        const std::string path = folder + "jukebox_bench_" + std::to_string(n) + ".alb";

        double bestSave = 1e9, bestLoad = 1e9;
        long bytes = 0;
        for (int round = 0; round < 3; ++round) {
            const auto t0 = Clock::now();
            if (!brambletune::SaveAlbumFile(fs, path, list, 1, 0)) {
                std::printf("save failed: %s\n", path.c_str());
                return 2;
            }
            const auto t1 = Clock::now();
            brambletune::CSongList back;
            brambletune::AlbumPosition position;
            SilentMessages messages;
            const bool ok = brambletune::LoadAlbumFile(
                fs, path, back, brambletune::AlbumMode::kOpen, position, messages);
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
