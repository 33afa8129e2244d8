#include "jukebox/console/CTrayIcon.h"

#include <algorithm>

namespace brambletune {
namespace {

void CopyTip(NOTIFYICONDATAA& data, const std::string& tip) {
    const std::size_t n = std::min(tip.size(), CTrayIcon::kMaxTip);
    std::fill(std::begin(data.szTip), std::end(data.szTip), '\0');
    std::copy_n(tip.begin(), n, data.szTip);
}

}  // namespace

void CTrayIcon::Tip(const std::string& newTip) {
    CopyTip(data_, newTip);
    if (added_) Shell_NotifyIconA(NIM_MODIFY, &data_);
}

void CTrayIcon::Click(int message) {
    if (!onClick_) return;
    try {
        onClick_(message);
    } catch (...) {
        // The handler runs inside a window procedure, which exceptions must not leave.
    }
}

bool CTrayIcon::Add(HWND owner, HICON iconH, const std::string& tip) {
    Delete();
    data_ = {};
    // The first version of the record: every shell since the first one takes it.
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data_.hWnd = owner;
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = iconH;
    CopyTip(data_, tip);
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    retriesLeft_ = kRetries;
    hook_ = std::make_unique<Win32WindowHook>(
        owner, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            result = 0;
            return OnMessage(message, wParam, lParam);
        });
    TryAdd();
    return added_;
}

void CTrayIcon::Delete() {
    if (data_.hWnd) KillTimer(data_.hWnd, kRetryTimer);
    if (added_) Shell_NotifyIconA(NIM_DELETE, &data_);
    added_ = false;
    hook_.reset();
}

// At logon the shell may not take icons yet: the add is tried again for a while.
void CTrayIcon::TryAdd() {
    // "TaskbarCreated" also comes when the shell kept the icon (a display
    // change): then the add fails and the modify finds it.
    added_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE ||
             Shell_NotifyIconA(NIM_MODIFY, &data_) != FALSE;
    if (added_) {
        KillTimer(data_.hWnd, kRetryTimer);
        retriesLeft_ = kRetries;
        return;
    }
    if (retriesLeft_-- > 0) SetTimer(data_.hWnd, kRetryTimer, kRetryMs, nullptr);
}

bool CTrayIcon::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // A restarted shell has forgotten every icon.
        retriesLeft_ = kRetries;
        TryAdd();
        return false;
    }
    if (message == WM_TIMER && wParam == kRetryTimer) {
        KillTimer(data_.hWnd, kRetryTimer);
        if (!added_) TryAdd();
        return true;
    }
    if (message != kCallbackMessage) return false;
    Click(static_cast<int>(lParam));
    return true;
}

}  // namespace brambletune
