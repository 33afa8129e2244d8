#include "jukebox/windows/CVolume.h"

namespace brambletune {

std::uint32_t FaderFromPercent(std::int32_t percent) {
    if (percent < 0) percent = 0;
    if (percent > 100) percent = 100;
    // 655.35 is not exact in binary: work in hundredths so that 50 gives 32768.
    const std::uint32_t hundredths = static_cast<std::uint32_t>(percent) * 65535u;
    const std::uint32_t whole = hundredths / 100u;
    const std::uint32_t rest = hundredths % 100u;
    if (rest > 50u || (rest == 50u && whole % 2u == 1u)) return whole + 1u;
    return whole;
}

std::int32_t PercentFromFader(std::uint32_t value) {
    return static_cast<std::int32_t>(value / 655u);
}

CVolume::CVolume(MixerApi& mixer) : mixer_(mixer) {
    open_ = mixer_.OpenFirstMixer();
    if (open_) found_ = mixer_.FindSpeakersVolume(controlId_);
}

CVolume::~CVolume() {
    if (open_) mixer_.CloseMixer();
}

std::int32_t CVolume::Value() {
    if (found_) mixer_.GetValue(controlId_, value_);
    return PercentFromFader(value_);
}

void CVolume::SetValue(std::int32_t percent) {
    value_ = FaderFromPercent(percent);
    if (found_) mixer_.SetValue(controlId_, value_);
}

}  // namespace brambletune
