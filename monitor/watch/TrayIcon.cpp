#include "monitor/watch/TrayIcon.h"

#include <shellapi.h>

namespace vigilon {

void TrayIcon::Add(HWND owner, HICON icon, const std::string& tip) {
    if (shown_) return;
    data_ = NOTIFYICONDATAA{};
    data_.cbSize = sizeof data_;
    data_.hWnd = owner;
    data_.uID = 1;
    data_.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = icon;
    // The tip is cut to 62 characters so it always fits the older, shorter field.
    lstrcpynA(data_.szTip, tip.substr(0, 62).c_str(), sizeof data_.szTip);
    shown_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
}

void TrayIcon::Remove() {
    if (!shown_) return;
    Shell_NotifyIconA(NIM_DELETE, &data_);
    shown_ = false;
}

}  // namespace vigilon
