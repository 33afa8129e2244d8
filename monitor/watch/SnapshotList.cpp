#include "monitor/watch/SnapshotList.h"

#include <algorithm>

namespace vigilon {

SnapshotList::Entry SnapshotList::MakeSorted(const std::string& line, int slot) const {
    const auto tab = line.find('\t');
    const std::string_view path =
        tab == std::string::npos ? std::string_view() : std::string_view(line).substr(0, tab);
    return Entry{line, tab, collation_->SortKey(path), slot};
}

void SnapshotList::Clear() {
    entries_.clear();
    unavailable_ = 0;
}

void SnapshotList::Add(const std::vector<std::string>& lines, int slot) {
    const auto oldCount = static_cast<std::ptrdiff_t>(entries_.size());
    entries_.reserve(entries_.size() + lines.size());
    for (const auto& line : lines) entries_.push_back(MakeSorted(line, slot));

    const auto byKey = [](const Entry& a, const Entry& b) { return a.key < b.key; };
    const auto middle = entries_.begin() + oldCount;
    std::stable_sort(middle, entries_.end(), byKey);
    std::inplace_merge(entries_.begin(), middle, entries_.end(), byKey);
}

std::vector<std::string> SnapshotList::LinesOf(int slot) const {
    std::vector<std::string> lines;
    for (const auto& e : entries_) {
        if (e.slot == slot) lines.push_back(e.line);
    }
    return lines;
}

std::string_view SnapshotList::PathAt(std::size_t i) const {
    const Entry& e = entries_[i];
    if (e.tab == std::string::npos) return {};
    return std::string_view(e.line).substr(0, e.tab);
}

std::string_view SnapshotList::TimeAt(std::size_t i) const {
    const Entry& e = entries_[i];
    if (e.tab == std::string::npos) return e.line;
    return std::string_view(e.line).substr(e.tab + 1);
}

int SnapshotList::Compare(const std::string& key, std::size_t i) const {
    return key.compare(entries_[i].key);
}

int SnapshotList::binSearch(std::string_view path) const {
    const std::string key = collation_->SortKey(path);
    int lo = 0;
    int hi = static_cast<int>(entries_.size()) - 1;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        const int c = Compare(key, static_cast<std::size_t>(mid));
        if (c == 0) return mid;
        if (c < 0) {
            hi = mid - 1;
        } else {
            lo = mid + 1;
        }
    }
    return -1;
}

int SnapshotList::FindExact(std::string_view path) const {
    const int found = binSearch(path);
    if (found < 0) return -1;
    const std::string& key = entries_[static_cast<std::size_t>(found)].key;
    for (int i = found; i >= 0 && entries_[static_cast<std::size_t>(i)].key == key; --i) {
        if (PathAt(static_cast<std::size_t>(i)) == path) return i;
    }
    const int count = static_cast<int>(entries_.size());
    for (int i = found + 1; i < count && entries_[static_cast<std::size_t>(i)].key == key; ++i) {
        if (PathAt(static_cast<std::size_t>(i)) == path) return i;
    }
    return -1;
}

}  // namespace vigilon
