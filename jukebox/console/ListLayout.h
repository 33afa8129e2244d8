#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "jukebox/settings/RegistryStore.h"

namespace brambletune {

// A list view's persisted layout: column widths in pixels, the column shown at
// each position (0-based column numbers), and the sort column (1-based, 0 for
// none) and order (0 ascending, 1 descending).
struct ListLayout {
    std::vector<std::int32_t> widths;
    std::vector<std::int32_t> order;
    std::int32_t sortIdx = 1;
    std::int32_t sortOrd = 0;
};

// The registry value names of the list called listName ("Songs" gives "lvSongs0",
// "lvSongsCol1", "lvSongsSortIdx", "lvSongsSortOrd").
std::string ListWidthValue(const std::string& listName, std::int32_t column);
std::string ListOrderValue(const std::string& listName, std::int32_t position);
std::string ListSortIdxValue(const std::string& listName);
std::string ListSortOrdValue(const std::string& listName);

// Reads one width and one order entry per default width; a missing value gives
// that column's default width, the natural order, sort column 1 ascending.
ListLayout ReadListLayout(RegistryStore& registry, const std::string& listName,
                          const std::vector<std::int32_t>& defaultWidths);

// Writes the widths and the sort state; the order only when it has an entry
// for every column (a control that could not report its order writes none).
void SaveListLayout(RegistryStore& registry, const std::string& listName, const ListLayout& layout);

}  // namespace brambletune
