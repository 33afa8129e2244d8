// Prints the time of one folder listing and of one full snapshot comparison for
// folders of 1k, 10k and 100k entries, with the system's own listing tool as a
// reference. Usage: snapshot_bench [work-folder]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "monitor/watch/SnapshotEntry.h"
#include "monitor/watch/TfrmWatcher.h"

#ifdef _WIN32
#include "monitor/watch/Win32Collation.h"
#include "monitor/watch/Win32DirectoryLister.h"
#else
#include <dirent.h>
#include <sys/stat.h>

#include <ctime>

#include "monitor/doubles/FakeCollation.h"
#endif

#include "monitor/doubles/FakeClock.h"
#include "monitor/doubles/MemorySettingsStore.h"
#include "monitor/doubles/RecordingView.h"
#include "monitor/doubles/ScriptedDesktop.h"
#include "monitor/doubles/ScriptedMail.h"

namespace fs = std::filesystem;
using namespace vigilon;

namespace {

#ifdef _WIN32
using NativeLister = Win32DirectoryLister;
using NativeCollation = Win32Collation;

std::string ReferenceCommand(const std::string& dir) {
    return "cmd /c dir /a \"" + dir + "\" > NUL";
}
#else
using NativeCollation = testing::FakeCollation;

// readdir + stat, times packed as local DOS date-time like the Windows listing.
class NativeLister : public DirectoryLister {
public:
    ListError List(const std::string& pattern, std::vector<DirEntry>& entries) const override {
        const std::string dir = pattern.substr(0, pattern.rfind('\\'));
        DIR* d = opendir(dir.c_str());
        if (!d) return kErrorPathNotFound;
        while (dirent* e = readdir(d)) {
            struct stat st;
            const std::string path = dir + "/" + e->d_name;
            if (stat(path.c_str(), &st) != 0) continue;
            entries.push_back(DirEntry{e->d_name, Pack(st.st_mtime)});
        }
        closedir(d);
        return kListed;
    }
    ListError Probe(const std::string& pattern) const override {
        std::vector<DirEntry> entries;
        return List(pattern, entries);
    }

private:
    static std::int32_t Pack(time_t t) {
        struct tm lt;
        localtime_r(&t, &lt);
        const unsigned date = ((lt.tm_year - 80) << 9) | ((lt.tm_mon + 1) << 5) | lt.tm_mday;
        const unsigned time = (lt.tm_hour << 11) | (lt.tm_min << 5) | (lt.tm_sec / 2);
        return static_cast<std::int32_t>((date << 16) | time);
    }
};

std::string ReferenceCommand(const std::string& dir) {
    return "ls -f -l --time-style=+%s '" + dir + "' > /dev/null";
}
#endif

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void MakeFolder(const fs::path& dir, int count) {
    if (fs::exists(dir / "done")) return;
    fs::create_directories(dir);
    for (int i = 0; i < count; ++i) {
        std::ofstream(dir / ("file number " + std::to_string(i) + ".dat")) << i;
    }
    std::ofstream(dir / "done") << count;
}

// The best of three runs, since the first listing also warms the file cache.
template <typename F>
double Best(F run) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, Seconds(start));
    }
    return best;
}

void Measure(const fs::path& root, int count) {
    const fs::path dir = root / ("folder" + std::to_string(count));
    MakeFolder(dir, count);
    const std::string folder = dir.string();

    NativeLister lister;
    NativeCollation collation;
    testing::FakeClock clock;
    testing::MemorySettingsStore store;
    testing::RecordingView view;
    testing::ScriptedDesktop desktop;
    testing::ScriptedMail mail;
    TfrmWatcher watcher({lister, collation, clock, store, view, desktop, mail});
    watcher.settings.dirs[0] = folder;

    const double listing = Best([&] {
        std::vector<DirEntry> entries;
        lister.List(pathPlusName(folder, "*.*"), entries);
    });
    const double reference = Best([&] {
        if (std::system(ReferenceCommand(folder).c_str()) != 0)
            std::fprintf(stderr, "reference failed\n");
    });
    const double snapshot = Best([&] { watcher.ClearAndReload(); });
    watcher.ScanFolders();
    const double compare = Best([&] {
        watcher.meSummary.Clear();
        watcher.areListBoxesDifferent(watcher.lbStart1, watcher.lbScan1);
    });
    std::printf(
        "%7d entries: listing %8.4f s (reference tool %8.4f s, ratio %.2f), "
        "snapshot (list + order) %8.4f s, comparison %8.4f s\n",
        count, listing, reference, listing / reference, snapshot, compare);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path root =
        argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "snapshot_bench";
    for (int count : {1000, 10000, 100000}) Measure(root, count);
    return 0;
}
