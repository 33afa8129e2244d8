#include "jukebox/playback/PlaylistView.h"

#include <cmath>
#include <limits>

namespace brambletune {

std::string KeyToStr(std::int32_t key) {
    return std::to_string(key) + "a";
}

std::int32_t StrToKey(std::string_view key) {
    std::size_t at = 0;
    while (at < key.size() && (key[at] == ' ' || key[at] == '\t')) ++at;
    bool negative = false;
    if (at < key.size() && (key[at] == '-' || key[at] == '+')) negative = key[at++] == '-';
    double value = 0;
    for (; at < key.size() && key[at] >= '0' && key[at] <= '9'; ++at)
        value = value * 10 + (key[at] - '0');
    if (at < key.size() && key[at] == '.') {
        double scale = 0.1;
        for (++at; at < key.size() && key[at] >= '0' && key[at] <= '9'; ++at, scale /= 10)
            value += (key[at] - '0') * scale;
    }
    value = std::nearbyint(negative ? -value : value);
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    if (value < kLow) return std::numeric_limits<std::int32_t>::min();
    if (value > kHigh) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

}  // namespace brambletune
