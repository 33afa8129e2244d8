#pragma once

#include <cstdint>
#include <vector>

#include "jukebox/windows/MixerApi.h"

namespace brambletune {

// A mixer whose device, speakers line and volume control may each be missing;
// it keeps the fader value and counts what was done to it.
class FakeMixer : public MixerApi {
public:
    bool hasDevice = true;
    bool hasSpeakersVolume = true;
    std::uint32_t fader = 0;
    int opens = 0;
    int closes = 0;
    std::vector<std::uint32_t> written;

    bool OpenFirstMixer() override {
        if (!hasDevice) return false;
        ++opens;
        return true;
    }
    bool FindSpeakersVolume(std::uint32_t& controlId) override {
        if (!hasSpeakersVolume) return false;
        controlId = kControl;
        return true;
    }
    bool GetValue(std::uint32_t controlId, std::uint32_t& value) override {
        if (controlId != kControl) return false;
        value = fader;
        return true;
    }
    bool SetValue(std::uint32_t controlId, std::uint32_t value) override {
        if (controlId != kControl) return false;
        fader = value;
        written.push_back(value);
        return true;
    }
    void CloseMixer() override { ++closes; }

private:
    static constexpr std::uint32_t kControl = 7;
};

}  // namespace brambletune
