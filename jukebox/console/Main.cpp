// The jukebox's entry point: one instance owns the console; a second start
// hands its file to it and ends.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "jukebox/console/CWaitCursor.h"
#include "jukebox/console/CallbackGuard.h"
#include "jukebox/console/CommandLine.h"
#include "jukebox/console/LongPath.h"
#include "jukebox/console/MSingleInstance.h"
#include "jukebox/console/SystemLibraries.h"
#include "jukebox/console/Win32MousePointer.h"
#include "jukebox/console/frmConsole.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/playback/Win32PathNames.h"
#include "jukebox/settings/Win32RegistryStore.h"

namespace {

using namespace brambletune;

// Shows the console and plays the path in the first instance; hands the path
// over to the running one otherwise. True when this instance keeps running.
bool HandleInstances(frmConsole& console, MSingleInstance& instance, const std::string& path) {
    if (instance.PrevInstance()) {
        if (path.empty() || instance.HandOver(path)) return false;
        // The running instance ended meanwhile: this one takes its place.
    }
    if (!console.Create()) return false;
    // Hooked before the load, so a start meanwhile is kept, not broadcast to nobody.
    instance.HookInstanceMessages(
        console.handle(), [&console](const std::string& handed) { console.Starter(handed, true); },
        [&console] { return !IsWindowEnabled(console.handle()); },
        [&console] { return !console.Unloading(); });
    console.SetUnhookInstanceMessages([&instance] { instance.UnhookInstanceMessages(); });
    bool loaded = false;
    RunGuarded(console.handle(), [&] { loaded = console.Load(); });
    if (!loaded) return false;
    RunGuarded(console.handle(), [&] { console.Starter(path, true); });
    instance.Ready();
    return true;
}

int RunMessageLoop(frmConsole& console) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (console.TakeMediaKey(msg)) continue;
        if (console.PreTranslate(msg)) continue;
        HWND active = GetActiveWindow();
        if (active && active != console.handle() && IsDialogMessageA(active, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

// The path against this process's current folder: a running instance that
// gets the path handed over has a current folder of its own.
std::string FullPathOf(const std::string& path) {
    if (path.empty()) return path;
    const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::string full(size, '\0');
    const DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    RestrictLibrarySearch();
    // The shell's folder browser and ShellExecute need COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    Win32MousePointer pointer;
    Win32RegistryStore registry;
    Win32PathNames paths;
    Win32TextCase textCase;
    MSingleInstance single(registry);
    frmConsole console(instance);
    bool running = false;
    {
        CWaitCursor wait(pointer);
        wait.Restore();
        SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
        const std::string path =
            GetLongPath(paths, textCase, FullPathOf(CommandLinePath(arguments ? arguments : "")));
        running = HandleInstances(console, single, path);
        SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    }
    const int result = running ? RunMessageLoop(console) : 0;
    if (SUCCEEDED(com)) CoUninitialize();
    return result;
}
