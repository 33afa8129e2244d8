#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vigilon {

// "dir" + "\" + "name", without doubling a trailing backslash of dir.
std::string pathPlusName(const std::string& dir, const std::string& name);

// Splits an entry at its first TAB: which == 1 gives the path part, anything else
// the time text. Without a TAB the path part is empty and the time text is the
// whole entry.
std::string parseTabs(std::string_view entry, int which);

// One snapshot line: full path, TAB, signed decimal DOS date-time.
std::string MakeEntry(const std::string& path, std::int32_t dosTime);

}  // namespace vigilon
