#include "jukebox/windows/TipsLayout.h"

namespace brambletune {

std::int32_t TipNumber(double r) {
    const double drawn = r * kTipCount + 1;
    if (!(drawn >= 1)) return 1;  // also catches NaN
    if (drawn >= kTipCount + 1) return kTipCount;
    return static_cast<std::int32_t>(drawn);
}

bool TipsLayout::Resize(std::int32_t width, std::int32_t height) {
    bool changed = false;
    if (width != lastWidth_) {
        parts_.labelLeft = (width - 1905) / 2;
        parts_.tipWidth = width - 240;
        parts_.okLeft = width / 4 - 660;
        parts_.nextLeft = parts_.okLeft + width / 2;
        lastWidth_ = width;
        changed = true;
    }
    if (height != lastHeight_) {
        parts_.buttonTop = height - 465;
        parts_.tipHeight = height - 960;
        lastHeight_ = height;
        changed = true;
    }
    return changed;
}

}  // namespace brambletune
