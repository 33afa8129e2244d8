#include "jukebox/console/Win32FormWindow.h"

namespace brambletune {
namespace {

constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;
constexpr UINT kZOrderOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW;

std::int32_t TwipsPerPixel(HDC screen, int axis) {
    const int dpi = GetDeviceCaps(screen, axis);
    return dpi > 0 ? (1440 + dpi / 2) / dpi : 15;
}

// Dispatches what is queued. A WM_QUIT belongs to the message loop: it is
// posted again for that loop and pumping stops (false).
bool PumpPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

WindowRect ToWindowRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

ScreenMetrics Win32FormWindow::Screen() const {
    ScreenMetrics metrics;
    if (HDC screen = GetDC(nullptr)) {
        metrics.twipsPerPixelX = TwipsPerPixel(screen, LOGPIXELSX);
        metrics.twipsPerPixelY = TwipsPerPixel(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    metrics.width = GetSystemMetrics(SM_CXSCREEN);
    metrics.height = GetSystemMetrics(SM_CYSCREEN);
    RECT work{0, 0, metrics.width, metrics.height};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    metrics.workArea = {work.left, work.top, work.right, work.bottom};
    return metrics;
}

WindowRect Win32FormWindow::Bounds() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return ToWindowRect(r);
}

void Win32FormWindow::MoveTo(const WindowRect& b) {
    MoveWindow(window_, b.left, b.top, b.width, b.height, TRUE);
}

WindowState Win32FormWindow::State() const {
    if (IsIconic(window_)) return WindowState::Minimized;
    if (IsZoomed(window_)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Win32FormWindow::SetState(WindowState state) {
    if (state == State()) return;
    switch (state) {
    case WindowState::Minimized: ShowWindow(window_, SW_MINIMIZE); break;
    case WindowState::Maximized: ShowWindow(window_, SW_MAXIMIZE); break;
    case WindowState::Normal: ShowWindow(window_, SW_RESTORE); break;
    }
}

void Win32FormWindow::DragMove() {
    ReleaseCapture();
    SendMessageA(window_, WM_SYSCOMMAND, kMoveByCaption, 0);
}

void Win32FormWindow::SetTopmost(bool topmost) {
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
}

void Win32FormWindow::SetForeground() {
    SetForegroundWindow(window_);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32FormWindow::Flash() {
    FlashWindow(window_, TRUE);
    for (int step = 0; step < 10; ++step) {
        if (!PumpPendingMessages()) return;
        Sleep(50);
    }
}

void Win32FormWindow::Subclass(const FormWindowRules& rules) {
    if (hook_) return;
    rules_ = &rules;
    hook_ = std::make_unique<Win32WindowHook>(
        window_, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return OnMessage(message, wParam, lParam, result);
        });
}

void Win32FormWindow::Unsubclass() {
    hook_.reset();
    rules_ = nullptr;
    moving_ = false;
}

bool Win32FormWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_GETMINMAXINFO:
        OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        result = 0;
        return true;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE: moving_ = false; return false;
    case WM_MOVING: {
        // Only a move loop sends WM_MOVING; a sizing loop must not snap.
        moving_ = true;
        RECT& proposed = *reinterpret_cast<RECT*>(lParam);
        const WindowRect r = rules_->WhileMoving(ToWindowRect(proposed));
        proposed = {r.left, r.top, r.left + r.width, r.top + r.height};
        return false;
    }
    case WM_WINDOWPOSCHANGING:
        if (moving_) OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
        return false;
    default: return false;
    }
}

void Win32FormWindow::OnMinMaxInfo(MINMAXINFO& info) const {
    const TrackingLimits limits = rules_->Limits();
    if (limits.minWidth > 0) info.ptMinTrackSize.x = limits.minWidth;
    if (limits.minHeight > 0) info.ptMinTrackSize.y = limits.minHeight;
    if (limits.maxWidth > 0) info.ptMaxTrackSize.x = limits.maxWidth;
    if (limits.maxHeight > 0) info.ptMaxTrackSize.y = limits.maxHeight;
}

void Win32FormWindow::OnWindowPosChanging(WINDOWPOS& pos) const {
    if (pos.flags & SWP_NOMOVE) return;
    WindowRect proposed{pos.x, pos.y, pos.cx, pos.cy};
    if (pos.flags & SWP_NOSIZE) {
        const WindowRect current = Bounds();
        proposed.width = current.width;
        proposed.height = current.height;
    }
    const WindowRect r = rules_->WhileMoving(proposed);
    pos.x = r.left;
    pos.y = r.top;
}

}  // namespace brambletune
