#pragma once

// Generated test media and a message pump with a deadline, for tests that
// play through the real MCI.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "jukebox/tools/DemoAlbum.h"

namespace brambletune::testing {

inline constexpr DWORD kNoticeWaitMs = 10000;

// A 440 Hz tone, written as the demo album's tones are.
inline std::string ToneWav(int milliseconds) {
    return ::brambletune::ToneWav(440, milliseconds);
}

// Dispatches window messages until done() holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kNoticeWaitMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

}  // namespace brambletune::testing
