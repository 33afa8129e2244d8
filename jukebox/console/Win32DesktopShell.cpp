#include <windows.h>

#include <shellapi.h>

#include "jukebox/console/SystemLibraries.h"
#include "jukebox/console/Win32DesktopShell.h"

namespace brambletune {
namespace {

// SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI
constexpr ULONG kPropertiesMask = 0x44C;

}  // namespace

bool Win32DesktopShell::ShellOpen(const std::string& file, std::int32_t showCommand,
                                  const std::string& parameters) {
    const HINSTANCE result = ShellExecuteA(GetDesktopWindow(), "Open", file.c_str(),
                                           parameters.c_str(), nullptr, showCommand);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void Win32DesktopShell::ShowOpenWith(const std::string& file) {
    // By its full path: a rundll32.exe in the current folder must not run instead.
    const std::string program = SystemProgramPath("rundll32.exe");
    std::string commandLine = "\"" + program + "\" shell32.dll,OpenAs_RunDLL " + file;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool Win32DesktopShell::ShowProperties(const std::string& file) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = kPropertiesMask;
    info.lpVerb = "properties";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool shown = ShellExecuteExA(&info) != FALSE;
    if (info.hProcess) CloseHandle(info.hProcess);
    return shown;
}

std::uint32_t Win32DesktopShell::Attributes(const std::string& path) const {
    return GetFileAttributesA(path.c_str());
}

}  // namespace brambletune
