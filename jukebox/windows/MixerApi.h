#pragma once

#include <cstdint>

namespace brambletune {

// The audio mixer as the volume needs it: the first mixer device, the volume
// fader of its speakers line, one unsigned value 0 ... 65535 for all channels.
// Every call reports success; a failed call changes nothing.
class MixerApi {
public:
    virtual ~MixerApi() = default;
    virtual bool OpenFirstMixer() = 0;
    // Looks up the speakers destination line and its volume control.
    virtual bool FindSpeakersVolume(std::uint32_t& controlId) = 0;
    virtual bool GetValue(std::uint32_t controlId, std::uint32_t& value) = 0;
    virtual bool SetValue(std::uint32_t controlId, std::uint32_t value) = 0;
    virtual void CloseMixer() = 0;
};

}  // namespace brambletune
