#include "monitor/watch/TrayIcon.h"

#include <shellapi.h>

namespace vigilon {
namespace {

// A shell that is starting or busy refuses the add for a moment.
constexpr int kAddAttempts = 5;
constexpr DWORD kAddRetryMs = 200;

}  // namespace

bool TrayIcon::Add(HWND owner, HICON icon, const std::string& tip) {
    if (shown_) return true;
    data_ = NOTIFYICONDATAA{};
    data_.cbSize = sizeof data_;
    data_.hWnd = owner;
    data_.uID = 1;
    data_.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = icon;
    // The tip is cut to 62 characters so it always fits the older, shorter field.
    lstrcpynA(data_.szTip, tip.substr(0, 62).c_str(), sizeof data_.szTip);
    shown_ = AddWithRetries();
    return shown_;
}

bool TrayIcon::Restore() {
    if (!shown_) return true;
    shown_ = AddWithRetries();
    return shown_;
}

bool TrayIcon::AddWithRetries() {
    for (int attempt = 0; attempt < kAddAttempts; ++attempt) {
        if (attempt > 0) Sleep(kAddRetryMs);
        if (Shell_NotifyIconA(NIM_ADD, &data_)) return true;
        // The shell may still hold the icon from before it restarted.
        if (Shell_NotifyIconA(NIM_MODIFY, &data_)) return true;
    }
    return false;
}

void TrayIcon::Remove() {
    if (!shown_) return;
    Shell_NotifyIconA(NIM_DELETE, &data_);
    shown_ = false;
}

}  // namespace vigilon
