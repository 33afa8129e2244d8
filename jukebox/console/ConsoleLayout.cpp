#include "jukebox/console/ConsoleLayout.h"

namespace brambletune {

bool ConsoleLayout::Resize(std::int32_t innerWidth, std::int32_t innerHeight, std::int32_t state) {
    bool moved = false;
    if (innerWidth != lastWidth_) {
        parts_.frameLeft = (innerWidth + 2910 - kFrameWidth - kMargin) / 2;
        parts_.iconLeft = parts_.frameLeft <= 4275 ? kOffScreen : (parts_.frameLeft + 2430) / 2;
        parts_.listWidth = innerWidth - 2 * kMargin;
        lastWidth_ = innerWidth;
        moved = true;
    }
    if (innerHeight != lastHeight_) {
        if (state == 0) {
            parts_.listHeight = innerHeight - 1185;
            parts_.sliderTop = parts_.listHeight + 915;
        } else if (state == 1) {
            parts_.listHeight = innerHeight - 960;
        }
        lastHeight_ = innerHeight;
        moved = true;
    }
    return moved;
}

ConsoleLayout::StateLimits ConsoleLayout::State(std::int32_t state, std::int32_t frameHeight,
                                                std::int32_t innerHeight) {
    StateLimits limits;
    parts_.listVisible = state <= 1;
    parts_.sliderVisible = state == 0 || state == 2;
    switch (state) {
    case 0:
    case 1:
        limits = {kMinWidth, kMinHeight, 0, 0, 0, 0};
        if (innerHeight < kMinHeight) limits.windowHeight = kMinHeight;
        break;
    case 2: {
        const std::int32_t height = frameHeight + kSliderHeight + kPanelHeight;
        limits = {kMinWidth, height, 0, height, height, 0};
        parts_.sliderTop = 825;
        break;
    }
    default: {
        const std::int32_t height = frameHeight + kPanelHeight;
        limits = {kMinWidth, height, kMinWidth, height, height, kMinWidth};
        break;
    }
    }
    lastHeight_ = -1;  // the new state lays the height out afresh
    return limits;
}

}  // namespace brambletune
