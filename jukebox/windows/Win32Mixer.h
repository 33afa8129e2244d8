#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "jukebox/windows/MixerApi.h"

namespace brambletune {

// The first audio mixer of winmm, by the mixer functions.
class Win32Mixer : public MixerApi {
public:
    Win32Mixer() = default;
    ~Win32Mixer() override;
    Win32Mixer(const Win32Mixer&) = delete;
    Win32Mixer& operator=(const Win32Mixer&) = delete;

    bool OpenFirstMixer() override;
    bool FindSpeakersVolume(std::uint32_t& controlId) override;
    bool GetValue(std::uint32_t controlId, std::uint32_t& value) override;
    bool SetValue(std::uint32_t controlId, std::uint32_t value) override;
    void CloseMixer() override;

private:
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }

    HMIXER mixer_ = nullptr;
};

}  // namespace brambletune
