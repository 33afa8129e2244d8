#include "monitor/watch/TfrmWatcher.h"

#include <algorithm>
#include <exception>

#include "monitor/watch/FolderAvailability.h"
#include "monitor/watch/Report.h"
#include "monitor/watch/SnapshotEntry.h"

namespace vigilon {

bool IsBlankSlot(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\b'; });
}

TfrmWatcher::TfrmWatcher(const Services& services)
    : lbStart1(services.collation), lbScan1(services.collation), services_(services) {}

bool TfrmWatcher::LoadFiles(int slot, SnapshotList& list) const {
    const std::string& edit = settings.dirs[static_cast<std::size_t>(slot)];
    if (edit.empty()) return true;
    std::vector<DirEntry> found;
    const ListError error = services_.lister.List(pathPlusName(edit, "*.*"), found);
    if (error != kListed) return !IsUnavailable(services_.lister, edit, error);
    std::vector<std::string> lines;
    lines.reserve(found.size());
    for (const auto& entry : found) {
        if (entry.name == "." || entry.name == "..") continue;
        lines.push_back(MakeEntry(pathPlusName(edit, entry.name), entry.dosTime));
    }
    list.Add(lines, slot);
    return true;
}

// A share that is gone for a while must not read as every file deleted: its
// entries are carried over from the start snapshot until it answers again.
void TfrmWatcher::ScanFolders() {
    lbScan1.Clear();
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        if (LoadFiles(slot, lbScan1)) continue;
        lbScan1.Add(lbStart1.LinesOf(slot), slot);
        lbScan1.SetUnavailable(slot);
    }
}

TfrmWatcher::Presence TfrmWatcher::Classify(const SnapshotList& from, std::size_t i,
                                            const SnapshotList& other) {
    const int match = other.FindExact(from.PathAt(i));
    if (match < 0) return Presence::Absent;
    return other.TimeAt(static_cast<std::size_t>(match)) == from.TimeAt(i) ? Presence::Unchanged
                                                                           : Presence::Changed;
}

std::vector<std::string> TfrmWatcher::ReachChanges(const SnapshotList& start,
                                                   const SnapshotList& scan) const {
    std::vector<std::string> changes;
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        if (scan.Unavailable(slot) == start.Unavailable(slot)) continue;
        const std::string& folder = settings.dirs[static_cast<std::size_t>(slot)];
        changes.push_back((scan.Unavailable(slot) ? "Unavailable " : "Available again ") + folder);
    }
    return changes;
}

void TfrmWatcher::AddFileChanges(const SnapshotList& start, const SnapshotList& scan,
                                 std::vector<std::string>& changes) const {
    for (std::size_t i = 0; i < start.Count(); ++i) {
        const Presence p = Classify(start, i, scan);
        if (p == Presence::Absent && settings.notifyDelete) {
            changes.push_back("Deleted " + std::string(start.PathAt(i)));
        } else if (p == Presence::Changed && settings.notifyChange) {
            changes.push_back("Changed " + std::string(start.PathAt(i)));
        }
    }
    if (!settings.notifyNew) return;
    for (std::size_t i = 0; i < scan.Count(); ++i) {
        if (Classify(scan, i, start) != Presence::Absent) continue;
        changes.push_back("Added " + std::string(scan.PathAt(i)));
    }
}

// A quiet scan leaves the summary as it was, so days of quiet cost nothing
// and a change is not buried under empty headers.
bool TfrmWatcher::areListBoxesDifferent(const SnapshotList& start, const SnapshotList& scan) {
    std::vector<std::string> changes = ReachChanges(start, scan);
    AddFileChanges(start, scan, changes);
    if (changes.empty()) return false;
    meSummary.AddScan("Date/Time " + DateTimeText(services_.clock, services_.clock.Now()), changes);
    services_.view.SummaryChanged();
    return true;
}

void TfrmWatcher::ClearAndReload() {
    ++activation_;
    meSummary.Clear();
    lbStart1.Clear();
    for (int slot = 0; slot < kFolderSlots; ++slot) LoadFiles(slot, lbStart1);
    services_.view.SummaryChanged();
}

void TfrmWatcher::Timer1Timer() {
    // A send lets window messages through while it waits; a scan meanwhile
    // would add to the summary the send is carrying, so it is skipped. The
    // next tick scans.
    if (sending_ || closing_) return;
    ScanFolders();
    const bool different = areListBoxesDifferent(lbStart1, lbScan1);
    if (settings.soundAlarm) {
        if (!different) return;
        services_.view.ShowAlarm();
        services_.view.StopScanTimer();
        playAlarmSound();
        return;
    }
    // Each change is told once: the scan that found it is what the next scan
    // is compared with, whether or not the mail goes out. What could not be
    // sent stays in the summary and is tried again at every scan.
    if (different) std::swap(lbStart1, lbScan1);
    if (!meSummary.Empty()) sendEmailMessage();
}

void TfrmWatcher::sendEmailMessage() {
    const unsigned activation = activation_;
    sending_ = true;
    const std::optional<std::string> failure = TrySend();
    sending_ = false;
    // An activation while the send waited took a new snapshot and emptied
    // the summary: this send's outcome belongs to a monitoring that is over.
    if (activation != activation_) return;
    if (failure) {
        ShowSendFailure(*failure);
        return;
    }
    meSummary.Clear();
    services_.view.SummaryChanged();
}

std::optional<std::string> TfrmWatcher::TrySend() {
    const MonitorSettings current = services_.view.ControlSettings();
    // A copy: an activation while the send waits empties the summary.
    const std::vector<std::string> body = meSummary.Lines();
    try {
        if (current.mapi) {
            services_.mail.SendMapi(current.recipients, current.subject, body);
        } else {
            services_.mail.SendSmtp(current, body);
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
        PrintReport(*job, meSummary.Lines(),
                    DateAtTimeText(services_.clock, services_.clock.Now()));
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
            *file,
            LogBlock(meSummary.Lines(), DateAtTimeText(services_.clock, services_.clock.Now())));
    } catch (const std::exception& error) {
        services_.desktop.ShowError(error.what());
    }
}

}  // namespace vigilon
