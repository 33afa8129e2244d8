#pragma once

// Generated test media and a message pump with a deadline, for tests that
// play through the real MCI.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

namespace brambletune::testing {

inline constexpr DWORD kNoticeWaitMs = 10000;

inline void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A 16-bit mono PCM WAV file holding a 440 Hz tone.
inline std::string ToneWav(int milliseconds) {
    constexpr std::uint32_t kRate = 22050;
    const std::uint32_t samples = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
    std::string data;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double s = std::sin(2 * 3.14159265358979 * 440 * i / kRate);
        PutLE(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * s)), 2);
    }
    std::string wav = "RIFF";
    PutLE(wav, static_cast<std::uint32_t>(36 + data.size()), 4);
    wav += "WAVEfmt ";
    PutLE(wav, 16, 4);
    PutLE(wav, 1, 2);  // PCM
    PutLE(wav, 1, 2);  // mono
    PutLE(wav, kRate, 4);
    PutLE(wav, kRate * 2, 4);
    PutLE(wav, 2, 2);
    PutLE(wav, 16, 2);
    wav += "data";
    PutLE(wav, static_cast<std::uint32_t>(data.size()), 4);
    return wav + data;
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
