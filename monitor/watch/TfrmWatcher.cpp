#include "monitor/watch/TfrmWatcher.h"

#include <algorithm>
#include <exception>

#include "monitor/watch/Report.h"
#include "monitor/watch/SnapshotEntry.h"

namespace vigilon {

bool IsBlankSlot(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\b'; });
}

TfrmWatcher::TfrmWatcher(const Services& services)
    : lbStart1(services.collation), lbScan1(services.collation), services_(services) {}

void TfrmWatcher::LoadFiles(const std::string& edit, SnapshotList& list) const {
    if (edit.empty()) return;
    std::vector<DirEntry> found;
    services_.lister.List(pathPlusName(edit, "*.*"), found);
    std::vector<std::string> lines;
    lines.reserve(found.size());
    for (const auto& entry : found) {
        if (entry.name == "." || entry.name == "..") continue;
        lines.push_back(MakeEntry(pathPlusName(edit, entry.name), entry.dosTime));
    }
    list.Add(lines);
}

void TfrmWatcher::LoadAllSlots(SnapshotList& list) const {
    for (const auto& dir : settings.dirs) LoadFiles(dir, list);
}

TfrmWatcher::Presence TfrmWatcher::Classify(const SnapshotList& from, std::size_t i,
                                            const SnapshotList& other) {
    const int match = other.FindExact(from.PathAt(i));
    if (match < 0) return Presence::Absent;
    return other.TimeAt(static_cast<std::size_t>(match)) == from.TimeAt(i) ? Presence::Unchanged
                                                                           : Presence::Changed;
}

void TfrmWatcher::AppendSummary(std::string line) {
    meSummary.push_back(std::move(line));
}

bool TfrmWatcher::areListBoxesDifferent(const SnapshotList& start, const SnapshotList& scan) {
    AppendSummary("Date/Time " + DateTimeText(services_.clock, services_.clock.Now()));
    AppendSummary(" ");
    bool different = false;
    for (std::size_t i = 0; i < start.Count(); ++i) {
        const Presence p = Classify(start, i, scan);
        if (p == Presence::Absent && settings.notifyDelete) {
            AppendSummary("Deleted " + std::string(start.PathAt(i)));
            different = true;
        } else if (p == Presence::Changed && settings.notifyChange) {
            AppendSummary("Changed " + std::string(start.PathAt(i)));
            different = true;
        }
    }
    for (std::size_t i = 0; i < scan.Count(); ++i) {
        if (!settings.notifyNew || Classify(scan, i, start) != Presence::Absent) continue;
        AppendSummary("Added " + std::string(scan.PathAt(i)));
        different = true;
    }
    services_.view.SummaryChanged();
    return different;
}

void TfrmWatcher::ClearAndReload() {
    meSummary.clear();
    lbStart1.Clear();
    LoadAllSlots(lbStart1);
    services_.view.SummaryChanged();
}

void TfrmWatcher::Timer1Timer() {
    // A send lets window messages through while it waits; a scan meanwhile
    // would mail the changes it carries a second time, so it is skipped. The
    // next tick scans.
    if (sending_ || closing_) return;
    lbScan1.Clear();
    LoadAllSlots(lbScan1);
    if (!areListBoxesDifferent(lbStart1, lbScan1)) return;
    if (!settings.soundAlarm) {
        sendEmailMessage();
        return;
    }
    services_.view.ShowAlarm();
    services_.view.StopScanTimer();
    playAlarmSound();
}

// The scan that was compared and mailed becomes the start snapshot, so a
// change made while the mail was on its way is found by the next scan. After
// a failure snapshot and summary stay: the next scan finds the changes again
// and tries once more with everything gathered since the last mail that went out.
void TfrmWatcher::sendEmailMessage() {
    sending_ = true;
    const std::optional<std::string> failure = TrySend();
    sending_ = false;
    if (failure) {
        ShowSendFailure(*failure);
        return;
    }
    TakeScanAsStart();
}

std::optional<std::string> TfrmWatcher::TrySend() {
    const MonitorSettings current = services_.view.ControlSettings();
    try {
        if (current.mapi) {
            services_.mail.SendMapi(current.recipients, current.subject, meSummary);
        } else {
            services_.mail.SendSmtp(current, meSummary);
        }
    } catch (const std::exception& error) {
        return std::string(error.what());
    } catch (...) {
        return std::string("Unexpected error");
    }
    return std::nullopt;
}

// Scans and retries go on behind the box, and a failure meanwhile shows no
// second one: the monitor must keep working while nobody is there to click.
void TfrmWatcher::ShowSendFailure(const std::string& text) {
    if (closing_ || errorShown_) return;
    errorShown_ = true;
    services_.desktop.ShowError(text);
    errorShown_ = false;
}

void TfrmWatcher::TakeScanAsStart() {
    lbStart1 = lbScan1;
    meSummary.clear();
    services_.view.SummaryChanged();
}

void TfrmWatcher::FormCreate() {
    settings = ReadSettings(services_.store);
    services_.view.ShowSettings(settings);
    if (settings.autoStart) btActivateClick();
}

void TfrmWatcher::btActivateClick() {
    services_.view.HideSummaryPanel();
    settings = services_.view.ControlSettings();
    if (std::all_of(settings.dirs.begin(), settings.dirs.end(), IsBlankSlot)) {
        services_.view.ShowMessage(kNoDirectoriesMessage);
        services_.view.ShowRefusedWindow();
        return;
    }
    if (!settings.notifyNew && !settings.notifyChange && !settings.notifyDelete) {
        services_.view.ShowMessage(kNoNotifyOptionsMessage);
        services_.view.ShowRefusedWindow();
        return;
    }
    WriteSettings(services_.store, settings);
    ClearAndReload();
    services_.view.StartScanTimer(static_cast<unsigned>(settings.nSecs) * 1000u);
    // Without the icon a hidden monitor could never be called back.
    if (services_.view.AddTrayIcon()) {
        services_.view.HideWindow();
    } else {
        services_.view.ShowRefusedWindow();
    }
}

void TfrmWatcher::FormClose() {
    settings = services_.view.ControlSettings();
    WriteSettings(services_.store, settings);
}

void TfrmWatcher::FormDestroy() {
    closing_ = true;
    services_.view.StopScanTimer();
    if (sending_) services_.mail.Cancel();
}

void TfrmWatcher::Show1Click() {
    services_.view.StopScanTimer();
}

void TfrmWatcher::sbClick(int slot) {
    const MonitorSettings current = services_.view.ControlSettings();
    services_.desktop.SetStayOnTop(false);
    const auto chosen = services_.desktop.BrowseFolder(current.dirs[slot]);
    if (!chosen) return;
    for (int i = 0; i < kFolderSlots; ++i) {
        if (i == slot || current.dirs[i] != *chosen) continue;
        services_.view.ShowMessage(kAlreadyMonitoringMessage + *chosen);
        return;
    }
    services_.view.SetFolderSlot(slot, *chosen);
}

void TfrmWatcher::playAlarmSound() {
    const std::string path = services_.view.ControlSettings().wav.substr(0, kSoundPathLimit);
    if (!services_.desktop.FileExists(path)) {
        services_.desktop.Beep();
        return;
    }
    if (services_.desktop.ShellOpen(path)) return;
    services_.desktop.ShowError(("Couldn't execute " + path).substr(0, kExecuteErrorLimit));
}

void TfrmWatcher::SpeedButton6Click() {
    services_.desktop.SetStayOnTop(false);
    const auto chosen = services_.desktop.ChooseSoundFile(services_.view.ControlSettings().wav);
    if (chosen) services_.view.SetSoundPath(*chosen);
}

void TfrmWatcher::btPrintClick() {
    services_.desktop.SetStayOnTop(false);
    try {
        const auto job = services_.desktop.StartPrintJob();
        if (!job) return;
        PrintReport(*job, meSummary, DateAtTimeText(services_.clock, services_.clock.Now()));
    } catch (const std::exception& error) {
        services_.desktop.ShowError(error.what());
    }
}

void TfrmWatcher::btAppendClick() {
    services_.desktop.SetStayOnTop(false);
    const auto file = services_.desktop.ChooseLogFile(
        pathPlusName(services_.desktop.ProgramFolder(), "vigilon.txt"));
    if (!file) return;
    try {
        services_.desktop.AppendToFile(
            *file, LogBlock(meSummary, DateAtTimeText(services_.clock, services_.clock.Now())));
    } catch (const std::exception& error) {
        services_.desktop.ShowError(error.what());
    }
}

}  // namespace vigilon
