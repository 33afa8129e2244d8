#include "monitor/watch/Summary.h"

#include <algorithm>

namespace vigilon {

void Summary::AddScan(const std::string& header, const std::vector<std::string>& changes) {
    if (changes.empty()) return;
    const std::size_t room = kChangeLineLimit - changeLines_;
    const std::size_t kept = std::min(room, changes.size());
    if (kept > 0) {
        lines_.push_back(header);
        lines_.push_back(" ");
        lines_.insert(lines_.end(), changes.begin(), changes.begin() + kept);
        changeLines_ += kept;
    }
    CountOmitted(changes.size() - kept);
}

// The count line stays the last line: it is added once and then rewritten.
void Summary::CountOmitted(std::size_t count) {
    if (count == 0) return;
    if (omitted_ == 0) lines_.emplace_back();
    omitted_ += count;
    lines_.back() = "... and " + std::to_string(omitted_) + " more changes";
}

void Summary::Clear() {
    // swap, not clear: a summary that once held thousands of lines gives its memory back.
    std::vector<std::string>().swap(lines_);
    changeLines_ = 0;
    omitted_ = 0;
}

}  // namespace vigilon
