#pragma once

#include <gtest/gtest.h>

#include "monitor/doubles/FakeClock.h"
#include "monitor/doubles/FakeCollation.h"
#include "monitor/doubles/FakeDirectoryLister.h"
#include "monitor/doubles/MemorySettingsStore.h"
#include "monitor/doubles/RecordingView.h"
#include "monitor/doubles/ScriptedDesktop.h"
#include "monitor/doubles/ScriptedMail.h"
#include "monitor/watch/TfrmWatcher.h"

namespace vigilon::testing {

// A watcher over in-memory folders, settings, clock and window.
class WatcherFixture : public ::testing::Test {
protected:
    FakeDirectoryLister lister;
    FakeCollation collation;
    FakeClock clock;
    MemorySettingsStore store;
    RecordingView view;
    ScriptedDesktop desktop;
    ScriptedMail mail;
    TfrmWatcher watcher{{lister, collation, clock, store, view, desktop, mail}};

    // Summary lines after the "Date/Time " and " " header pair of the last scan.
    std::vector<std::string> LastChanges() const {
        const auto& s = watcher.meSummary.Lines();
        auto it = s.end();
        while (it != s.begin() && (it - 1)->rfind("Date/Time ", 0) != 0) --it;
        if (it == s.begin()) return {};
        return std::vector<std::string>(it + 1, s.end());
    }
};

}  // namespace vigilon::testing
