#pragma once

#include <string>

#include "monitor/watch/MonitorSettings.h"

namespace vigilon {

// What the watcher logic asks of its window. The Win32 main window implements
// it; tests record the calls.
class WatcherView {
public:
    virtual ~WatcherView() = default;

    // Controls <-> settings.
    virtual void ShowSettings(const MonitorSettings& settings) = 0;
    virtual MonitorSettings ControlSettings() const = 0;
    virtual void SetFolderSlot(int slot, const std::string& folder) = 0;
    virtual void SetSoundPath(const std::string& path) = 0;

    // A plain message box with an OK button and no icon.
    virtual void ShowMessage(const std::string& text) = 0;

    virtual void StartScanTimer(unsigned milliseconds) = 0;
    virtual void StopScanTimer() = 0;
    // False when the icon cannot be shown.
    virtual bool AddTrayIcon() = 0;
    virtual void HideWindow() = 0;
    // After a refused activation, or when the tray has no icon of ours: the
    // window shown with a taskbar button, so the user can always reach it.
    virtual void ShowRefusedWindow() = 0;

    virtual void HideSummaryPanel() = 0;
    // The summary lines changed; redraw the summary box.
    virtual void SummaryChanged() = 0;
    // Panel at (2, 2) in front, window on top and restored, button "Reactivate".
    virtual void ShowAlarm() = 0;
};

}  // namespace vigilon
