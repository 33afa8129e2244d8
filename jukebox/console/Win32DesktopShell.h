#pragma once

#include "jukebox/console/ConsoleCommands.h"

namespace brambletune {

// DesktopShell over ShellExecuteA, ShellExecuteExA, rundll32's Open With
// chooser and GetFileAttributesA.
class Win32DesktopShell : public DesktopShell {
public:
    bool ShellOpen(const std::string& file, std::int32_t showCommand,
                   const std::string& parameters) override;
    void ShowOpenWith(const std::string& file) override;
    bool ShowProperties(const std::string& file) override;
    std::uint32_t Attributes(const std::string& path) const override;
};

}  // namespace brambletune
