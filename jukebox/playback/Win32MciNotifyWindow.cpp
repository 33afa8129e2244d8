#include "jukebox/playback/Win32MciNotifyWindow.h"

#include <mmsystem.h>

namespace brambletune {

Win32MciNotifyWindow::Win32MciNotifyWindow(MciNoticeHandler handler)
    : handler_(std::move(handler)) {
    // A system class, so the replaced procedure has a real one to fall back on.
    hwnd_ = CreateWindowExA(0, "STATIC", "frmMCICtrl", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NotifyProc)));
}

Win32MciNotifyWindow::~Win32MciNotifyWindow() {
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK Win32MciNotifyWindow::NotifyProc(HWND hwnd, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    auto* self = reinterpret_cast<Win32MciNotifyWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == MM_MCINOTIFY) {
        if (self && self->handler_) {
            self->handler_(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
        }
        return 0;
    }
    return self ? CallWindowProcA(self->previous_, hwnd, message, wParam, lParam)
                : DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace brambletune
