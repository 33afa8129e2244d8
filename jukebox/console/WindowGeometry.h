#pragma once

#include <cstdint>

namespace brambletune {

// A window's position and size, in twips or in pixels as the caller works.
struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const WindowRect&) const = default;
};

// The edges of an area of the screen (the work area, for instance).
struct ScreenArea {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const ScreenArea&) const = default;
};

// How much of a restored window must lie on the screen, in twips.
inline constexpr std::int32_t kMinVisibleTwips = 150;

// A window closer than distance to an edge of the work area, or past it, ends
// flush with that edge. A window larger than the work area keeps its top or left
// edge inside it, so that its caption stays reachable.
WindowRect SnapToEdges(WindowRect window, const ScreenArea& work, std::int32_t distance);

// A saved placement of which less than kMinVisibleTwips would show on a screen
// of the given size comes back at kMinVisibleTwips from the left or top.
WindowRect KeepOnScreen(WindowRect window, std::int32_t screenWidth, std::int32_t screenHeight);

// window beside owner: centred on it vertically within the work area; to its
// right when that fits on the screen, else to its left, else centred over it.
WindowRect BesideOwner(WindowRect window, const WindowRect& owner, const ScreenArea& work,
                       std::int32_t screenWidth);

// Twips to whole pixels, a half rounded to the even neighbour.
std::int32_t TwipsToPixels(std::int32_t twips, std::int32_t twipsPerPixel);

}  // namespace brambletune
