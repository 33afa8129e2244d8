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

    // Adds the icon once; later calls leave it as it is.
    void Add(HWND owner, HICON icon, const std::string& tip);
    void Remove();
    bool Shown() const { return shown_; }

private:
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
};

}  // namespace vigilon
