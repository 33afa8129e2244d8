#pragma once

#include <windows.h>

#include <memory>

#include "jukebox/console/FormWindow.h"
#include "jukebox/console/Win32WindowHook.h"

namespace brambletune {

// A top-level window for the window utilities. Subclassed, it answers
// WM_GETMINMAXINFO from the rules' limits, and while the user drags it
// (WM_MOVING, and WM_WINDOWPOSCHANGING inside the move loop) it moves the
// proposed position where the rules say; every other message goes on.
class Win32FormWindow : public FormWindow {
public:
    explicit Win32FormWindow(HWND window) : window_(window) {}

    HWND handle() const { return window_; }
    // The window's procedure before subclassing; 0 when not subclassed.
    WNDPROC defWindowProc() const { return hook_ ? hook_->previous() : nullptr; }

    ScreenMetrics Screen() const override;
    WindowRect Bounds() const override;
    void MoveTo(const WindowRect& bounds) override;
    WindowState State() const override;
    void SetState(WindowState state) override;
    void DragMove() override;
    void SetTopmost(bool topmost) override;
    void SetForeground() override;
    void Flash() override;
    void Subclass(const FormWindowRules& rules) override;
    void Unsubclass() override;

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnMinMaxInfo(MINMAXINFO& info) const;
    void OnWindowPosChanging(WINDOWPOS& pos) const;

    HWND window_;
    const FormWindowRules* rules_ = nullptr;
    std::unique_ptr<Win32WindowHook> hook_;
    bool moving_ = false;  // inside a move loop the user drives
};

}  // namespace brambletune
