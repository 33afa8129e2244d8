// Weeks of unattended monitoring in seconds: 100,000 quiet scans, then 1,000
// scans that each find changes while every mail fails behind one error box
// that nobody clicks. Prints the memory the summary holds and the time per scan
// (processor time, so other work on the machine does not blur it) for each
// stretch of scans, so growth shows as a trend.
// Usage: summary_soak_bench [folders] [files-per-folder] [changes-per-scan]
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef __linux__
#include <unistd.h>

#include <fstream>
#endif

#include "monitor/doubles/FakeClock.h"
#include "monitor/doubles/FakeCollation.h"
#include "monitor/doubles/FakeDirectoryLister.h"
#include "monitor/doubles/MemorySettingsStore.h"
#include "monitor/doubles/RecordingView.h"
#include "monitor/doubles/ScriptedDesktop.h"
#include "monitor/watch/TfrmWatcher.h"

using namespace vigilon;

namespace {

// A server that is never there, keeping nothing of what it was given.
class DownMail : public MailTransport {
public:
    void SendMapi(const std::vector<std::string>&, const std::string&,
                  const std::vector<std::string>&) override {
        throw std::runtime_error("unreachable");
    }
    void SendSmtp(const MonitorSettings&, const std::vector<std::string>&) override {
        throw std::runtime_error("Connection refused");
    }
    void Cancel() override {}
};

// Heap bytes behind the summary's lines, with the vector's own block.
std::size_t SummaryBytes(const Summary& summary) {
    const auto& lines = summary.Lines();
    std::size_t bytes = lines.capacity() * sizeof(std::string);
    for (const auto& line : lines) {
        if (line.capacity() > 15) bytes += line.capacity() + 1;  // beyond the inline buffer
    }
    return bytes;
}

long ResidentKiB() {
#ifdef __linux__
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
#else
    return -1;
#endif
}

struct Soak {
    testing::FakeDirectoryLister lister;
    testing::FakeCollation collation;
    testing::FakeClock clock;
    testing::MemorySettingsStore store;
    testing::RecordingView view;
    testing::ScriptedDesktop desktop;
    DownMail mail;
    TfrmWatcher watcher{{lister, collation, clock, store, view, desktop, mail}};
    long scans = 0;

    void Tick() {
        // One simulated minute per scan.
        if (++clock.now.minute == 60) {
            clock.now.minute = 0;
            clock.now.hour = (clock.now.hour + 1) % 24;
        }
        watcher.Timer1Timer();
        lister.patterns.clear();  // the double's own record, not the monitor's
        ++scans;
    }
};

// Runs stretches of scans, printing each stretch's time per scan and the
// summary's memory at its end.
template <typename Step>
void Stretches(Soak& soak, const char* phase, int stretches, int perStretch, Step step) {
    for (int s = 0; s < stretches; ++s) {
        const std::clock_t start = std::clock();
        for (int i = 0; i < perStretch; ++i) step();
        const double perScan =
            1e6 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / perStretch;
        std::printf(
            "%-8s scans %7ld: %8.1f us CPU/scan, summary %6zu lines %9zu bytes, rss %ld KiB\n",
            phase, soak.scans, perScan, soak.watcher.meSummary.Lines().size(),
            SummaryBytes(soak.watcher.meSummary), ResidentKiB());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int folders = argc > 1 ? std::atoi(argv[1]) : 4;
    const int files = argc > 2 ? std::atoi(argv[2]) : 100;
    const int changes = argc > 3 ? std::atoi(argv[3]) : 20;

    Soak soak;
    soak.view.controls.soundAlarm = false;
    soak.view.controls.mapi = false;
    soak.view.controls.recipients = {"someone@example.org"};
    for (int f = 0; f < folders; ++f) {
        const std::string dir = "\\\\server\\share\\folder " + std::to_string(f);
        soak.view.controls.dirs[static_cast<std::size_t>(f)] = dir;
        for (int i = 0; i < files; ++i) soak.lister.Put(dir, "file " + std::to_string(i), 1);
    }
    soak.watcher.btActivateClick();
    std::printf("%d folders of %d files, %d changes per changing scan\n", folders, files, changes);

    Stretches(soak, "quiet", 10, 10000, [&] { soak.Tick(); });

    // The first failure opens the error box; every later scan runs behind it.
    const std::string dir0 = soak.view.controls.dirs[0];
    int stamp = 1;
    const auto changeAndTick = [&] {
        ++stamp;
        for (int i = 0; i < changes; ++i)
            soak.lister.Touch(dir0, "file " + std::to_string(i), stamp);
        soak.Tick();
    };
    soak.desktop.whileErrorShown = [&] { Stretches(soak, "failing", 10, 100, changeAndTick); };
    changeAndTick();
    std::printf("error boxes shown: %zu\n", soak.desktop.calls.size());
    return 0;
}
