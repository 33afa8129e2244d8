#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vigilon {

// The lines reported since the summary was last emptied: for each scan that
// found something, its "Date/Time " line, a " " line and its change lines.
// Bounded however long nobody empties it: past kChangeLineLimit change lines
// the changes are only counted, in one last line "... and N more changes".
class Summary {
public:
    static constexpr std::size_t kChangeLineLimit = 10000;

    // Appends one scan's block; a scan without changes leaves no trace.
    void AddScan(const std::string& header, const std::vector<std::string>& changes);
    void Clear();

    const std::vector<std::string>& Lines() const { return lines_; }
    bool Empty() const { return lines_.empty(); }

private:
    void CountOmitted(std::size_t count);

    std::vector<std::string> lines_;
    std::size_t changeLines_ = 0;
    std::size_t omitted_ = 0;
};

}  // namespace vigilon
