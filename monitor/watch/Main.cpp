#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "monitor/watch/MonitorSettings.h"
#include "monitor/watch/RegistrySettingsStore.h"
#include "monitor/watch/SingleInstance.h"
#include "monitor/watch/SystemLibraries.h"
#include "monitor/watch/WatcherWindow.h"

using namespace vigilon;

namespace {

// The shell's folder browser and "open" verb need COM on the thread that calls them.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RestrictLibrarySearch();
    RegistrySettingsStore store;
    const bool hiddenStart = ReadAutoStart(store);

    SingleInstance single;
    if (!single.IsFirst()) {
        single.NotifyRunningCopy();
        return 0;
    }

    const ComApartment com;
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WatcherWindow window(instance, store);
    if (!window.Create(hiddenStart)) return 1;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
