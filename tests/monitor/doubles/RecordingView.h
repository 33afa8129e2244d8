#pragma once

#include <string>
#include <vector>

#include "monitor/watch/WatcherView.h"

namespace vigilon::testing {

// Records what the logic asked of the window, one word per call.
class RecordingView : public WatcherView {
public:
    MonitorSettings controls;        // what the window's controls hold
    std::vector<std::string> calls;  // "ShowMessage:<text>", "StartScanTimer:<ms>", ...

    void ShowSettings(const MonitorSettings& s) override {
        controls = s;
        calls.push_back("ShowSettings");
    }
    MonitorSettings ControlSettings() const override { return controls; }
    void SetFolderSlot(int slot, const std::string& folder) override {
        controls.dirs[slot] = folder;
        calls.push_back("SetFolderSlot:" + std::to_string(slot) + ":" + folder);
    }
    void SetSoundPath(const std::string& path) override {
        controls.wav = path;
        calls.push_back("SetSoundPath:" + path);
    }
    void ShowMessage(const std::string& text) override { calls.push_back("ShowMessage:" + text); }
    void StartScanTimer(unsigned ms) override {
        calls.push_back("StartScanTimer:" + std::to_string(ms));
    }
    void StopScanTimer() override { calls.push_back("StopScanTimer"); }
    bool AddTrayIcon() override {
        calls.push_back("AddTrayIcon");
        return trayWorks;
    }
    bool trayWorks = true;
    void HideWindow() override { calls.push_back("HideWindow"); }
    void ShowRefusedWindow() override { calls.push_back("ShowRefusedWindow"); }
    void HideSummaryPanel() override { calls.push_back("HideSummaryPanel"); }
    void SummaryChanged() override {}
    void ShowAlarm() override { calls.push_back("ShowAlarm"); }
};

}  // namespace vigilon::testing
