#pragma once

#include <windows.h>

#include <exception>

namespace brambletune {

// The program's error box: what went wrong, owned by the given window.
inline void ShowErrorBox(HWND owner, const char* text) noexcept {
    MessageBoxA(owner, text, "Brambletune", MB_OK | MB_ICONERROR);
}

// Runs work called by the system (a window procedure, a hook, a notice, the
// start-up) so that no exception unwinds through the system's frames: a
// failure is shown in the error box instead. True when work completed.
template <class Work>
bool RunGuarded(HWND owner, Work&& work) noexcept {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        ShowErrorBox(owner, e.what());
    } catch (...) {
        ShowErrorBox(owner, "An unexpected error occurred.");
    }
    return false;
}

}  // namespace brambletune
