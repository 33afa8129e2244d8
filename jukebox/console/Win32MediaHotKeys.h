#pragma once

#include <windows.h>

#include <array>

#include "jukebox/console/MediaKeys.h"

namespace brambletune {

// The media keys as hot keys of one window, so that they reach it while it is
// hidden. A key another program already holds stays with it. Gives back what
// it registered, at the latest when destroyed.
class Win32MediaHotKeys {
public:
    Win32MediaHotKeys() = default;
    ~Win32MediaHotKeys() { Unregister(); }
    Win32MediaHotKeys(const Win32MediaHotKeys&) = delete;
    Win32MediaHotKeys& operator=(const Win32MediaHotKeys&) = delete;

    // Registers every media key not yet registered for owner.
    void Register(HWND owner);
    void Unregister();
    // The command of the hot key id of a WM_HOTKEY; kNone for an id not ours.
    static MediaCommand CommandOf(WPARAM id);

private:
    HWND owner_ = nullptr;
    std::array<bool, kMediaHotKeys.size()> registered_{};
};

}  // namespace brambletune
