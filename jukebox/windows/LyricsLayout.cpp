#include "jukebox/windows/LyricsLayout.h"

namespace brambletune {

bool LyricsLayout::Resize(std::int32_t innerWidth, std::int32_t innerHeight) {
    const bool widthChanged = innerWidth != lastWidth_;
    const bool heightChanged = innerHeight != lastHeight_;
    if (widthChanged) {
        places_.textWidth = innerWidth - 180;
        places_.okLeft = (innerWidth - okWidth_) / 2;
        places_.checkLeft[0] = innerWidth / 4 - 562;
        places_.checkLeft[1] = places_.checkLeft[0] + innerWidth / 2;
        places_.checkWidth = innerWidth / 2 - 90 - places_.checkLeft[0];
    }
    if (heightChanged) {
        places_.okTop = innerHeight - 435;
        places_.checkTop = places_.okTop - 345;
        places_.textHeight = places_.checkTop - 180;
        places_.pictureTop = places_.okTop - 67;
    }
    lastWidth_ = innerWidth;
    lastHeight_ = innerHeight;
    return widthChanged || heightChanged;
}

}  // namespace brambletune
