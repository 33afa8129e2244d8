#include "monitor/watch/ChildPanel.h"

#include <algorithm>

namespace vigilon {
namespace {

constexpr const char* kClassName = "VigilonPanel";
constexpr int kLineStep = 26;

int ClientHeight(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r.bottom - r.top;
}

}  // namespace

bool ChildPanel::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND ChildPanel::Create(HWND parent, int id, RECT bounds, int contentHeight, DWORD exStyle) {
    contentHeight_ = contentHeight;
    const int height = bounds.bottom - bounds.top;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP;
    if (contentHeight > height) style |= WS_VSCROLL;
    hwnd_ = CreateWindowExA(exStyle | WS_EX_CONTROLPARENT, kClassName, "", style, bounds.left,
                            bounds.top, bounds.right - bounds.left, height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                            this);
    if (hwnd_ && (style & WS_VSCROLL)) {
        SCROLLINFO si{sizeof si,
                      SIF_RANGE | SIF_PAGE | SIF_POS,
                      0,
                      contentHeight - 1,
                      static_cast<UINT>(ClientHeight(hwnd_)),
                      0,
                      0};
        SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    }
    return hwnd_;
}

void ChildPanel::ScrollTo(int position) {
    const int maxPosition = std::max(0, contentHeight_ - ClientHeight(hwnd_));
    position = std::clamp(position, 0, maxPosition);
    if (position == position_) return;
    ScrollWindowEx(hwnd_, 0, position_ - position, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    position_ = position;
    SetScrollPos(hwnd_, SB_VERT, position_, TRUE);
}

LRESULT ChildPanel::OnScroll(int request) {
    const int page = ClientHeight(hwnd_);
    SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd_, SB_VERT, &si);
    switch (request) {
    case SB_LINEUP: ScrollTo(position_ - kLineStep); break;
    case SB_LINEDOWN: ScrollTo(position_ + kLineStep); break;
    case SB_PAGEUP: ScrollTo(position_ - page); break;
    case SB_PAGEDOWN: ScrollTo(position_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(si.nTrackPos); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(contentHeight_); break;
    default: break;
    }
    return 0;
}

LRESULT ChildPanel::OnWheel(int delta) {
    ScrollTo(position_ - delta / WHEEL_DELTA * 3 * kLineStep);
    return 0;
}

LRESULT CALLBACK ChildPanel::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ChildPanel*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: return SendMessageA(GetParent(hwnd), msg, wp, lp);
    case WM_VSCROLL:
        if (self) return self->OnScroll(LOWORD(wp));
        break;
    case WM_MOUSEWHEEL:
        if (self && (GetWindowLongA(hwnd, GWL_STYLE) & WS_VSCROLL)) {
            return self->OnWheel(GET_WHEEL_DELTA_WPARAM(wp));
        }
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace vigilon
