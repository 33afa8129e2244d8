#pragma once

#include <windows.h>

#include "jukebox/playback/MciApi.h"

namespace brambletune {

// A hidden message-only window, "frmMCICtrl", whose window procedure is
// replaced for its lifetime: MM_MCINOTIFY goes to the handler (wParam = flags,
// lParam = device ID) and answers 0; every other message goes to the window's
// own procedure. The destructor puts that procedure back and destroys the window.
class Win32MciNotifyWindow : public MciNotifyWindow {
public:
    explicit Win32MciNotifyWindow(MciNoticeHandler handler);
    ~Win32MciNotifyWindow() override;
    Win32MciNotifyWindow(const Win32MciNotifyWindow&) = delete;
    Win32MciNotifyWindow& operator=(const Win32MciNotifyWindow&) = delete;

    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

private:
    static LRESULT CALLBACK NotifyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    MciNoticeHandler handler_;
    HWND hwnd_ = nullptr;
    WNDPROC previous_ = nullptr;
};

}  // namespace brambletune
