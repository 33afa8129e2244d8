#pragma once

#include <cstdint>
#include <string>

namespace brambletune {

// The file types offered by the add-folder dialog, in its list order.
inline constexpr int kFolderFileTypes = 5;
// The entry's name in the list; "" outside 0..4.
std::string FileTypeName(std::int32_t index);
// The entry's pattern list; "" (which finds nothing) outside 0..4.
std::string FileTypePatterns(std::int32_t index);
// "1 file added from 3 folders": the counts found, singular for 0 and 1.
std::string SearchResultsText(std::int32_t files, std::int32_t folders);

}  // namespace brambletune
