#pragma once

#include <cstdint>

namespace brambletune {

// Where the lyrics window's controls go, in twips, for its inner size: the
// text fills the window above two side-by-side check boxes and a centred OK
// button. Each dimension is laid out again only when it changed.
class LyricsLayout {
public:
    static constexpr std::int32_t kMinWidth = 4495;  // window size
    static constexpr std::int32_t kMinHeight = 3235;
    static constexpr std::int32_t kDefaultWidth = 5535;
    static constexpr std::int32_t kDefaultHeight = 4365;

    struct Places {
        std::int32_t textWidth = 0;
        std::int32_t textHeight = 0;
        std::int32_t okLeft = 0;
        std::int32_t okTop = 0;
        std::int32_t checkLeft[2] = {0, 0};
        std::int32_t checkWidth = 0;  // each box reaches to the middle or the right margin
        std::int32_t checkTop = 0;
        std::int32_t pictureTop = 0;
    };

    explicit LyricsLayout(std::int32_t okWidth) : okWidth_(okWidth) {}

    // Recomputes the places for the inner size; true when anything moved.
    bool Resize(std::int32_t innerWidth, std::int32_t innerHeight);
    const Places& places() const { return places_; }

private:
    std::int32_t okWidth_;
    Places places_;
    std::int32_t lastWidth_ = -1;
    std::int32_t lastHeight_ = -1;
};

}  // namespace brambletune
