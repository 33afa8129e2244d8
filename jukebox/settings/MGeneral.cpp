#include "jukebox/settings/MGeneral.h"

namespace brambletune {

std::int32_t Clamp(std::int32_t value, std::int32_t low, std::int32_t high) {
    if (value > high) return high;
    if (value < low) return low;
    return value;
}

std::int32_t SplitString(std::string_view text, char delimiter, std::vector<std::string>& out,
                         std::int32_t start) {
    out.clear();
    if (start < 1) start = 1;
    // 1-based InStr: 0 when the delimiter does not occur at or after from.
    const auto inStr = [&](std::int64_t from) -> std::int64_t {
        if (from > static_cast<std::int64_t>(text.size())) return 0;
        const auto p = text.find(delimiter, static_cast<std::size_t>(from - 1));
        return p == std::string_view::npos ? 0 : static_cast<std::int64_t>(p) + 1;
    };
    std::int64_t from = start;
    std::int64_t pos = inStr(from);
    while (pos != 0 && pos != from) {
        out.emplace_back(
            text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(pos - from)));
        from = pos + 1;
        pos = inStr(from);
    }
    return static_cast<std::int32_t>(out.size());
}

std::string TrimNull(std::string_view text) {
    const auto p = text.find('\0');
    return std::string(p == std::string_view::npos ? text : text.substr(0, p));
}

}  // namespace brambletune
