#include "jukebox/console/Win32MousePointer.h"

#include <windows.h>

namespace brambletune {
namespace {

// Shared by every pointer, as the wait count is: the first ShowHourglass takes
// it and ShowDefault, which comes when the count drops to 0, gives it back.
HHOOK g_hourglassHook = nullptr;

HCURSOR Hourglass() {
    return LoadCursorA(nullptr, IDC_WAIT);
}

// Runs after each window procedure of this thread: a moving mouse makes every
// window set its own cursor in WM_SETCURSOR, and the hourglass then replaces it.
LRESULT CALLBACK AfterWindowProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETCURSOR) SetCursor(Hourglass());
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void Win32MousePointer::ShowHourglass() {
    if (g_hourglassHook == nullptr) {
        g_hourglassHook =
            SetWindowsHookExA(WH_CALLWNDPROCRET, AfterWindowProc, nullptr, GetCurrentThreadId());
    }
    SetCursor(Hourglass());
}

void Win32MousePointer::ShowDefault() {
    if (g_hourglassHook != nullptr) {
        UnhookWindowsHookEx(g_hourglassHook);
        g_hourglassHook = nullptr;
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace brambletune
