#pragma once

#include <memory>
#include <optional>
#include <string>

#include "monitor/watch/TextJob.h"

namespace vigilon {

// The dialogs, files, printer and shell that the watcher's handlers use.
// The Win32 implementation belongs to the main window; tests script it.
class WatcherDesktop {
public:
    virtual ~WatcherDesktop() = default;

    // Folder browser titled "Directories to monitor"; nothing when cancelled.
    virtual std::optional<std::string> BrowseFolder(const std::string& initial) = 0;
    // File-open dialog for the alarm file; nothing when cancelled.
    virtual std::optional<std::string> ChooseSoundFile(const std::string& current) = 0;
    // Save dialog for the log; nothing when cancelled.
    virtual std::optional<std::string> ChooseLogFile(const std::string& proposed) = 0;
    // Print dialog, then a job on the chosen printer; nothing when cancelled.
    // Throws std::runtime_error when no job can be started.
    virtual std::unique_ptr<TextJob> StartPrintJob() = 0;

    // Appends text to the file, creating it when missing. Throws
    // std::runtime_error with the system's text on failure.
    virtual void AppendToFile(const std::string& path, const std::string& text) = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    virtual std::string ProgramFolder() const = 0;

    virtual void Beep() = 0;
    // The shell's "open" verb; false when the shell reports failure.
    virtual bool ShellOpen(const std::string& path) = 0;
    virtual void ShowError(const std::string& text) = 0;
    virtual void SetStayOnTop(bool onTop) = 0;
};

}  // namespace vigilon
