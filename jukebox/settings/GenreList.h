#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace brambletune {

// The ID3 version 1 genre names with the common extension: numbers 0 to 147.
inline constexpr std::int32_t kGenreNames = 148;

// The name of genre number, or "" for a number without one.
std::string GenreName(std::int32_t number);

struct GenreEntry {
    std::string name;
    std::int32_t number = 0;
};

// Maps a text to a key whose byte order is the order wanted.
using GenreSortKey = std::function<std::string(const std::string& text)>;

// "(none)" (255) followed by every named genre in the order of sortKey.
std::vector<GenreEntry> SortedGenres(const GenreSortKey& sortKey);

}  // namespace brambletune
