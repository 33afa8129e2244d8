#include "monitor/watch/SnapshotEntry.h"

namespace vigilon {

std::string pathPlusName(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '\\') return dir + name;
    return dir + "\\" + name;
}

std::string parseTabs(std::string_view entry, int which) {
    const auto tab = entry.find('\t');
    if (tab == std::string_view::npos) return which == 1 ? std::string() : std::string(entry);
    if (which == 1) return std::string(entry.substr(0, tab));
    return std::string(entry.substr(tab + 1));
}

std::string MakeEntry(const std::string& path, std::int32_t dosTime) {
    return path + "\t" + std::to_string(dosTime);
}

}  // namespace vigilon
