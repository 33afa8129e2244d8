#pragma once

#include <optional>
#include <string>
#include <vector>

#include "monitor/watch/Clock.h"
#include "monitor/watch/Collation.h"
#include "monitor/watch/DirectoryLister.h"
#include "monitor/watch/MailTransport.h"
#include "monitor/watch/MonitorSettings.h"
#include "monitor/watch/SettingsStore.h"
#include "monitor/watch/SnapshotList.h"
#include "monitor/watch/Summary.h"
#include "monitor/watch/WatcherDesktop.h"
#include "monitor/watch/WatcherView.h"

namespace vigilon {

inline constexpr const char* kNoDirectoriesMessage =
    "You didn't select any directories.  Vigilon will not be activated.";
inline constexpr const char* kNoNotifyOptionsMessage =
    "You didn't select any notification options.  Vigilon will not be activated.";
inline constexpr const char* kAlreadyMonitoringMessage =
    "You are already monitoring this directory - ";
inline constexpr std::size_t kSoundPathLimit = 201;
inline constexpr std::size_t kExecuteErrorLimit = 218;

// True when a folder slot names nothing: empty, or only spaces, CR, LF and
// backspace characters. A TAB is not blank.
bool IsBlankSlot(const std::string& text);

// The monitor's logic: snapshot, scan cycle, comparison and activation. The
// window turns its events into calls of these handlers.
class TfrmWatcher {
public:
    struct Services {
        const DirectoryLister& lister;
        const Collation& collation;
        const Clock& clock;
        SettingsStore& store;
        WatcherView& view;
        WatcherDesktop& desktop;
        MailTransport& mail;
    };
    explicit TfrmWatcher(const Services& services);

    MonitorSettings settings;  // the controls' values as last read or shown
    SnapshotList lbStart1;     // start snapshot
    SnapshotList lbScan1;      // current scan
    Summary meSummary;

    // Lists the folder of slot (0-based) into list. False, with nothing
    // added, when the folder is out of reach for now.
    bool LoadFiles(int slot, SnapshotList& list) const;
    // Fills lbScan1; a folder out of reach keeps its entries of lbStart1.
    void ScanFolders();
    // Adds one block to the summary when the scan differs from the start in a
    // way the user asked to hear about; true then.
    bool areListBoxesDifferent(const SnapshotList& start, const SnapshotList& scan);
    void ClearAndReload();
    void Timer1Timer();
    void sendEmailMessage();

    void FormCreate();
    void btActivateClick();
    void FormClose();
    // The window is going: a send that waits is cancelled, and its failure is not shown.
    void FormDestroy();
    void Show1Click();
    // Browse button of a folder slot (0-based).
    void sbClick(int slot);
    void playAlarmSound();
    void SpeedButton6Click();
    void btPrintClick();
    void btAppendClick();

    // True while a send waits.
    bool Sending() const { return sending_; }

private:
    enum class Presence { Absent, Changed, Unchanged };
    static Presence Classify(const SnapshotList& from, std::size_t i, const SnapshotList& other);
    std::vector<std::string> ReachChanges(const SnapshotList& start,
                                          const SnapshotList& scan) const;
    void AddFileChanges(const SnapshotList& start, const SnapshotList& scan,
                        std::vector<std::string>& changes) const;
    // The failure's text, or nothing when the mail went out.
    std::optional<std::string> TrySend();
    void ShowSendFailure(const std::string& text);

    Services services_;
    unsigned activation_ = 0;  // counts the snapshots taken by ClearAndReload
    bool sending_ = false;
    bool errorShown_ = false;
    bool closing_ = false;
};

}  // namespace vigilon
