#pragma once

#include <windows.h>

#include "jukebox/console/Win32DesktopShell.h"
#include "jukebox/console/Win32DirectoryListing.h"
#include "jukebox/console/Win32MessagePump.h"
#include "jukebox/console/Win32MousePointer.h"
#include "jukebox/model/Win32CodePages.h"
#include "jukebox/model/Win32FileSystem.h"
#include "jukebox/model/Win32MessageBoxService.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/playback/Win32FileDialogs.h"
#include "jukebox/playback/Win32Mci.h"
#include "jukebox/playback/Win32PathNames.h"
#include "jukebox/playback/Win32PrintService.h"
#include "jukebox/playback/Win32ShellService.h"
#include "jukebox/settings/Win32RegistryStore.h"

namespace brambletune {

// The system services the console and its engine work through.
struct ConsolePlatform {
    Win32Mci mci;
    Win32FileSystem files;
    Win32PathNames paths;
    Win32TextCase textCase;
    Win32CodePages codePages;
    Win32MessageBoxService messages;
    Win32RegistryStore registry;
    Win32FileDialogs dialogs;
    Win32PrintService printing;
    Win32ShellService shell;
    Win32MousePointer pointer;
    Win32DesktopShell desktop;
    Win32DirectoryListing listing;
    Win32MessagePump pump;

    // Dialogs and boxes are owned by the console once it exists.
    void SetOwner(HWND owner) {
        messages.SetOwner(owner);
        dialogs.SetOwner(owner);
        printing.SetOwner(owner);
        shell.SetOwner(owner);
    }
};

}  // namespace brambletune
