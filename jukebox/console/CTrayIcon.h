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
    // A refused icon is tried again for a while, and the icon is added again
    // when the shell restarts ("TaskbarCreated").
    bool Add(HWND owner, HICON iconH, const std::string& tip);
    void Delete();
    // True while the shell shows the icon: only then may the owner hide.
    bool Shown() const { return added_; }

private:
    static constexpr UINT_PTR kRetryTimer = 0x5452;
    static constexpr UINT kRetryMs = 2000;
    static constexpr int kRetries = 150;

    void TryAdd();
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    NOTIFYICONDATAA data_{};
    bool added_ = false;
    UINT taskbarCreated_ = 0;
    int retriesLeft_ = kRetries;
    ClickEvent onClick_;
    std::unique_ptr<Win32WindowHook> hook_;
};

}  // namespace brambletune
