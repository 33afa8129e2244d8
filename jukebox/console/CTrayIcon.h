#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "jukebox/console/Win32WindowHook.h"

namespace brambletune {

// The program's icon in the notification area. Mouse messages on the icon
// arrive at the owner window as kCallbackMessage and are raised as the Click
// event with the mouse message number (WM_LBUTTONUP, WM_RBUTTONUP, ...).
class CTrayIcon {
public:
    static constexpr UINT kCallbackMessage = 0x0401;
    static constexpr std::size_t kMaxTip = 63;
    using ClickEvent = std::function<void(int message)>;

    CTrayIcon() = default;
    // Deletes the icon and gives the owner its window procedure back.
    ~CTrayIcon() { Delete(); }
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // The owner's procedure before Add; 0 while there is no icon.
    WNDPROC defWindowProc() const { return hook_ ? hook_->previous() : nullptr; }
    void SetClickHandler(ClickEvent handler) { onClick_ = std::move(handler); }

    // The tip shows at most kMaxTip characters.
    void Tip(const std::string& newTip);
    // Raises the Click event; a failing handler is ignored.
    void Click(int message);
    // Replaces an icon added before. The owner's messages are taken even when
    // the shell refuses the icon; the result says whether the shell took it.
    bool Add(HWND owner, HICON iconH, const std::string& tip);
    void Delete();

private:
    bool OnMessage(UINT message, LPARAM lParam);

    NOTIFYICONDATAA data_{};
    bool added_ = false;
    ClickEvent onClick_;
    std::unique_ptr<Win32WindowHook> hook_;
};

}  // namespace brambletune
