#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brambletune {

// high when value > high, else low when value < low, else value.
std::int32_t Clamp(std::int32_t value, std::int32_t low, std::int32_t high);

// From the 1-based position start, the fields ended by
// delimiter, stopping at the first empty field; text after the last delimiter
// is not returned. Fills out and returns the count. A start below 1 counts as 1.
std::int32_t SplitString(std::string_view text, char delimiter, std::vector<std::string>& out,
                         std::int32_t start = 1);

// The text up to (not including) its first NUL, or the whole text.
std::string TrimNull(std::string_view text);

}  // namespace brambletune
