#pragma once

#include <cstdint>

namespace brambletune {

// Where the console's parts go, in twips, for a given inner size and display
// state (0 everything, 1 no slider, 2 no playlist, 3 panel only). Each
// dimension is laid out again only when it changed.
class ConsoleLayout {
public:
    static constexpr std::int32_t kMargin = 90;
    static constexpr std::int32_t kPanelHeight = 870;  // the playlist's top
    static constexpr std::int32_t kFrameWidth = 2430;  // frame(0): buttons and options
    static constexpr std::int32_t kSliderHeight = 225;
    static constexpr std::int32_t kMinWidth = 5400;
    static constexpr std::int32_t kMinHeight = 3735;
    static constexpr std::int32_t kOffScreen = -100000;

    struct Parts {
        std::int32_t frameLeft = 0;
        std::int32_t iconLeft = 0;  // kOffScreen when there is no room for it
        std::int32_t listWidth = 0;
        std::int32_t listHeight = 0;
        std::int32_t sliderTop = 0;
        bool listVisible = true;
        bool sliderVisible = true;
    };

    // The tracking limits (0 = the screen's size) and the window height a
    // display state asks for; frameHeight is the window height less the inner height.
    struct StateLimits {
        std::int32_t minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
        std::int32_t windowHeight = 0;  // 0: keep the current height
        std::int32_t windowWidth = 0;   // 0: keep the current width
    };

    // Recomputes the parts for the inner size; returns true when anything moved.
    bool Resize(std::int32_t innerWidth, std::int32_t innerHeight, std::int32_t state);
    // Applies a display state: a full layout for the inner size afterwards.
    StateLimits State(std::int32_t state, std::int32_t frameHeight, std::int32_t innerHeight);

    const Parts& parts() const { return parts_; }

private:
    Parts parts_;
    std::int32_t lastWidth_ = -1;
    std::int32_t lastHeight_ = -1;
};

}  // namespace brambletune
