#pragma once

#include <windows.h>

namespace vigilon {

// A plain child window that groups controls. It hands their notifications
// (commands, notifies, colour requests) to its parent, so the main window sees
// every control as if it were its own. With scrolling on, it scrolls its
// children vertically over a content height taller than itself.
class ChildPanel {
public:
    static bool RegisterWindowClass(HINSTANCE instance);

    // Creates the panel; contentHeight > height turns on the vertical scroll bar.
    HWND Create(HWND parent, int id, RECT bounds, int contentHeight, DWORD exStyle = 0);
    HWND Handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnScroll(int request);
    LRESULT OnWheel(int delta);
    void ScrollTo(int position);

    HWND hwnd_ = nullptr;
    int contentHeight_ = 0;
    int position_ = 0;
};

}  // namespace vigilon
