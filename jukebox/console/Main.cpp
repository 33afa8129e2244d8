// The jukebox's entry point: one instance owns the console; a second start
// hands its file to it and ends.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "jukebox/console/CWaitCursor.h"
#include "jukebox/console/CommandLine.h"
#include "jukebox/console/LongPath.h"
#include "jukebox/console/MSingleInstance.h"
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
        if (!path.empty()) instance.HandOver(path);
        return false;
    }
    if (!console.Load()) return false;
    console.Starter(path, true);
    instance.HookInstanceMessages(
        console.handle(), [&console](const std::string& handed) { console.Starter(handed, true); });
    console.SetUnhookInstanceMessages([&instance] { instance.UnhookInstanceMessages(); });
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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
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
            GetLongPath(paths, textCase, CommandLinePath(arguments ? arguments : ""));
        running = HandleInstances(console, single, path);
        SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    }
    const int result = running ? RunMessageLoop(console) : 0;
    if (SUCCEEDED(com)) CoUninitialize();
    return result;
}
