#include "jukebox/console/Win32WindowHook.h"

#include <algorithm>
#include <map>
#include <vector>

#include "jukebox/console/CallbackGuard.h"

namespace brambletune {
namespace {

// The hooks on one window and the procedure that was there before them.
struct Chain {
    WNDPROC previous = nullptr;
    std::vector<Win32WindowHook*> hooks;
};

std::map<HWND, Chain>& Chains() {
    static std::map<HWND, Chain> chains;
    return chains;
}

bool IsHooked(HWND window, const Win32WindowHook* hook) {
    const auto chain = Chains().find(window);
    if (chain == Chains().end()) return false;
    const auto& hooks = chain->second.hooks;
    return std::find(hooks.begin(), hooks.end(), hook) != hooks.end();
}

// Gives the window its previous procedure back, unless someone else replaced
// ours meanwhile: cutting them off would lose their messages, so ours stays as
// a pass-through until the window is destroyed.
bool TryRestore(HWND window, WNDPROC ours, WNDPROC previous) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != ours) return false;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    return true;
}

}  // namespace

Win32WindowHook::Win32WindowHook(HWND window, Handler handler)
    : window_(window), handler_(std::move(handler)) {
    auto chain = Chains().find(window);
    if (chain == Chains().end()) {
        const LONG_PTR old =
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SharedProc));
        if (old == 0) return;
        chain = Chains().emplace(window, Chain{reinterpret_cast<WNDPROC>(old), {}}).first;
    }
    chain->second.hooks.push_back(this);
    previous_ = chain->second.previous;
}

Win32WindowHook::~Win32WindowHook() {
    if (!IsHooked(window_, this)) return;
    auto chain = Chains().find(window_);
    auto& hooks = chain->second.hooks;
    hooks.erase(std::find(hooks.begin(), hooks.end(), this));
    if (hooks.empty() && TryRestore(window_, &SharedProc, chain->second.previous))
        Chains().erase(chain);
}

LRESULT CALLBACK Win32WindowHook::SharedProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    const auto chain = Chains().find(window);
    if (chain == Chains().end()) return DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC previous = chain->second.previous;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        Chains().erase(chain);
        return CallWindowProcA(previous, window, message, wParam, lParam);
    }
    // A handler may end hooks (its own too): work on a copy and skip the ended.
    const std::vector<Win32WindowHook*> hooks = chain->second.hooks;
    for (auto hook = hooks.rbegin(); hook != hooks.rend(); ++hook) {
        if (!IsHooked(window, *hook)) continue;
        LRESULT result = 0;
        bool consumed = false;
        RunGuarded(window, [&] { consumed = (*hook)->handler_(message, wParam, lParam, result); });
        if (consumed) return result;
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace brambletune
