#pragma once

#include <windows.h>

#include <functional>

namespace brambletune {

// Takes a window's messages for as long as it lives. The first hook on a window
// replaces its window procedure and keeps the previous one; further hooks join
// it, the newest asked first. A message no hook consumes goes on to the previous
// procedure unchanged. The last hook to go puts the previous procedure back, in
// whatever order the hooks end; a window destroyed while hooked gets it back at
// WM_NCDESTROY.
class Win32WindowHook {
public:
    // Returns true when it consumed the message, with the result in result.
    using Handler =
        std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    Win32WindowHook(HWND window, Handler handler);
    ~Win32WindowHook();
    Win32WindowHook(const Win32WindowHook&) = delete;
    Win32WindowHook& operator=(const Win32WindowHook&) = delete;

    // The window's procedure before the first hook; 0 when the window could not be hooked.
    WNDPROC previous() const { return previous_; }

private:
    static LRESULT CALLBACK SharedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    Handler handler_;
    WNDPROC previous_ = nullptr;
};

}  // namespace brambletune
