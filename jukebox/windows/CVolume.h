#pragma once

#include <cstdint>

#include "jukebox/windows/MixerApi.h"

namespace brambletune {

// Fader value for a percentage: percent x 655.35, a half rounded to the even
// neighbour; percentages outside 0 ... 100 count as the nearest end.
std::uint32_t FaderFromPercent(std::int32_t percent);
// Percentage for a fader value: value div 655, so 654 is still 0.
std::int32_t PercentFromFader(std::uint32_t value);

// The system's master output volume as a percentage. Opens the mixer when
// made and closes it when destroyed. Without a mixer, a speakers line or a
// volume control, reads give the last value written and writes reach no
// device; nothing is reported.
class CVolume {
public:
    explicit CVolume(MixerApi& mixer);
    ~CVolume();
    CVolume(const CVolume&) = delete;
    CVolume& operator=(const CVolume&) = delete;

    std::int32_t Value();
    void SetValue(std::int32_t percent);

private:
    MixerApi& mixer_;
    bool open_ = false;
    bool found_ = false;
    std::uint32_t controlId_ = 0;
    std::uint32_t value_ = 0;
};

}  // namespace brambletune
