#include "jukebox/console/WindowGeometry.h"

#include <algorithm>
#include <cmath>

namespace brambletune {
namespace {

// Sums are taken in 64 bits: placements read back from the registry may hold
// any 32-bit value.
using Wide = std::int64_t;

std::int32_t SnapAxis(std::int32_t position, std::int32_t size, std::int32_t low, std::int32_t high,
                      std::int32_t distance) {
    if (Wide{position} < Wide{low} + distance) return low;
    if (Wide{position} + size > Wide{high} - distance)
        return static_cast<std::int32_t>(std::max<Wide>(low, Wide{high} - size));
    return position;
}

std::int32_t KeepVisible(std::int32_t position, std::int32_t size, std::int32_t screen) {
    if (Wide{position} + size < kMinVisibleTwips) return kMinVisibleTwips;
    if (Wide{screen} < Wide{position} + kMinVisibleTwips) return kMinVisibleTwips;
    return position;
}

}  // namespace

WindowRect SnapToEdges(WindowRect window, const ScreenArea& work, std::int32_t distance) {
    window.top = SnapAxis(window.top, window.height, work.top, work.bottom, distance);
    window.left = SnapAxis(window.left, window.width, work.left, work.right, distance);
    return window;
}

WindowRect KeepOnScreen(WindowRect window, std::int32_t screenWidth, std::int32_t screenHeight) {
    window.left = KeepVisible(window.left, window.width, screenWidth);
    window.top = KeepVisible(window.top, window.height, screenHeight);
    return window;
}

WindowRect BesideOwner(WindowRect window, const WindowRect& owner, const ScreenArea& work,
                       std::int32_t screenWidth) {
    const Wide top = Wide{owner.top} + (Wide{owner.height} - window.height) / 2;
    if (top < work.top) {
        window.top = work.top;
    } else if (top + window.height > work.bottom) {
        window.top =
            static_cast<std::int32_t>(std::max<Wide>(work.top, Wide{work.bottom} - window.height));
    } else {
        window.top = static_cast<std::int32_t>(top);
    }

    const Wide ownerRight = Wide{owner.left} + owner.width;
    if (ownerRight + window.width < screenWidth) {
        window.left = static_cast<std::int32_t>(ownerRight);
    } else if (Wide{owner.left} - window.width <= 0) {
        window.left =
            static_cast<std::int32_t>(owner.left + (Wide{owner.width} - window.width) / 2);
    } else {
        window.left = owner.left - window.width;
    }
    return window;
}

std::int32_t TwipsToPixels(std::int32_t twips, std::int32_t twipsPerPixel) {
    const double pixels = static_cast<double>(twips) / std::max(twipsPerPixel, 1);
    return static_cast<std::int32_t>(std::nearbyint(pixels));
}

}  // namespace brambletune
