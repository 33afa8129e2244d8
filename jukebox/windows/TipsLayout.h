#pragma once

#include <cstdint>

namespace brambletune {

inline constexpr std::int32_t kTipCount = 23;

// The string-table number of the hint for a random r in [0, 1): the integer
// part of r x 23 + 1. An r outside [0, 1) still gives a hint that exists.
std::int32_t TipNumber(double r);

// Where the tips window's controls go for its inner size, in twips. Each
// dimension is laid out only when it changed since the last call.
class TipsLayout {
public:
    struct Parts {
        std::int32_t labelLeft = 0;
        std::int32_t tipWidth = 0;
        std::int32_t tipHeight = 0;
        std::int32_t okLeft = 0;
        std::int32_t nextLeft = 0;
        std::int32_t buttonTop = 0;
    };

    // False when neither dimension changed.
    bool Resize(std::int32_t width, std::int32_t height);
    const Parts& parts() const { return parts_; }

private:
    Parts parts_;
    std::int32_t lastWidth_ = -1;
    std::int32_t lastHeight_ = -1;
};

}  // namespace brambletune
