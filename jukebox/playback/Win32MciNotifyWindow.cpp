#include "jukebox/playback/Win32MciNotifyWindow.h"

#include <mmsystem.h>

#include "jukebox/console/CallbackGuard.h"

namespace brambletune {

// What the window procedure finds through GWLP_USERDATA.
struct Win32MciNotifyWindow::Link {
    HWND hwnd = nullptr;
    WNDPROC previous = nullptr;
    MciNoticeHandler handler;
    int noticesRunning = 0;  // handler calls on the stack
    bool released = false;   // the owner has let go
};

Win32MciNotifyWindow::Win32MciNotifyWindow(MciNoticeHandler handler)
    : link_(std::make_unique<Link>()) {
    link_->handler = std::move(handler);
    // A system class, so the replaced procedure has a real one to fall back on.
    link_->hwnd = CreateWindowExA(0, "STATIC", "frmMCICtrl", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!link_->hwnd) return;
    SetWindowLongPtrA(link_->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link_.get()));
    link_->previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(link_->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NotifyProc)));
}

Win32MciNotifyWindow::~Win32MciNotifyWindow() {
    link_->released = true;
    if (link_->noticesRunning > 0) {
        // Destroying the window and its handler now would pull them from under
        // the running notice: NotifyProc destroys both when the handler returns.
        static_cast<void>(link_.release());
        return;
    }
    Destroy(*link_);
}

std::uintptr_t Win32MciNotifyWindow::Handle() const {
    return reinterpret_cast<std::uintptr_t>(link_->hwnd);
}

void Win32MciNotifyWindow::Destroy(const Link& link) {
    if (!link.hwnd) return;
    SetWindowLongPtrA(link.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link.previous));
    SetWindowLongPtrA(link.hwnd, GWLP_USERDATA, 0);
    DestroyWindow(link.hwnd);
}

LRESULT CALLBACK Win32MciNotifyWindow::NotifyProc(HWND hwnd, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    auto* link = reinterpret_cast<Link*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!link) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message != MM_MCINOTIFY)
        return CallWindowProcA(link->previous, hwnd, message, wParam, lParam);
    if (link->released || !link->handler) return 0;
    ++link->noticesRunning;
    // The counter comes down whatever the handler does, or the window's clean-up never runs.
    RunGuarded(nullptr, [&] {
        link->handler(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
    });
    --link->noticesRunning;
    if (link->released && link->noticesRunning == 0) {
        Destroy(*link);
        delete link;
    }
    return 0;
}

}  // namespace brambletune
