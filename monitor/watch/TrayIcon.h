#pragma once

#include <windows.h>

#include <string>

namespace vigilon {

// One notification-area icon, removed by the object that added it.
class TrayIcon {
public:
    // The owner receives callbackMessage with the mouse message in lParam.
    static constexpr UINT kCallbackMessage = WM_USER + 1;

    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon once, trying again a few times while the shell is busy;
    // later calls leave it as it is. False when the icon could not be added.
    bool Add(HWND owner, HICON icon, const std::string& tip);
    // Adds the icon again after the shell restarted ("TaskbarCreated"); false
    // when it was shown and cannot be added back.
    bool Restore();
    void Remove();

private:
    bool AddWithRetries();

    NOTIFYICONDATAA data_{};
    bool shown_ = false;
};

}  // namespace vigilon
