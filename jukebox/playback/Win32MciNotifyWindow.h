#pragma once

#include <windows.h>

#include <memory>

#include "jukebox/playback/MciApi.h"

namespace brambletune {

// A hidden message-only window, "frmMCICtrl", whose window procedure is
// replaced for its lifetime: MM_MCINOTIFY goes to the handler (wParam = flags,
// lParam = device ID) and answers 0; every other message goes to the window's
// own procedure. The destructor puts that procedure back and destroys the
// window; called from inside the handler (the last device closed by a notice),
// it leaves that to the window procedure, which does it once the handler has
// returned and hands on no further notice meanwhile.
class Win32MciNotifyWindow : public MciNotifyWindow {
public:
    explicit Win32MciNotifyWindow(MciNoticeHandler handler);
    ~Win32MciNotifyWindow() override;
    Win32MciNotifyWindow(const Win32MciNotifyWindow&) = delete;
    Win32MciNotifyWindow& operator=(const Win32MciNotifyWindow&) = delete;

    std::uintptr_t Handle() const override;

private:
    struct Link;

    static LRESULT CALLBACK NotifyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Destroy(const Link& link);

    // Shared with the window procedure, which takes it over when this object
    // goes while a notice is being handled.
    std::unique_ptr<Link> link_;
};

}  // namespace brambletune
