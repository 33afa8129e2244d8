#pragma once

#include <windows.h>

#include "monitor/watch/WatcherDesktop.h"

namespace vigilon {

// Common dialogs, the shell, files and the printer, owned by the main window.
class Win32Desktop : public WatcherDesktop {
public:
    void SetOwner(HWND owner) { owner_ = owner; }

    std::optional<std::string> BrowseFolder(const std::string& initial) override;
    std::optional<std::string> ChooseSoundFile(const std::string& current) override;
    std::optional<std::string> ChooseLogFile(const std::string& proposed) override;
    std::unique_ptr<TextJob> StartPrintJob() override;
    void AppendToFile(const std::string& path, const std::string& text) override;
    bool FileExists(const std::string& path) const override;
    std::string ProgramFolder() const override;
    void Beep() override;
    bool ShellOpen(const std::string& path) override;
    void ShowError(const std::string& text) override;
    void SetStayOnTop(bool onTop) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace vigilon
