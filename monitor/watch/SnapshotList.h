#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/watch/Collation.h"

namespace vigilon {

// A list of snapshot entries kept in ascending order of their path parts under
// one collation. Duplicates are kept, in the order they were added.
class SnapshotList {
public:
    explicit SnapshotList(const Collation& collation) : collation_(&collation) {}

    void Clear() { entries_.clear(); }
    // Adds a batch of entries (one folder's listing) and restores the order.
    void Add(const std::vector<std::string>& lines);

    std::size_t Count() const { return entries_.size(); }
    const std::string& Line(std::size_t i) const { return entries_[i].line; }
    std::string_view PathAt(std::size_t i) const;
    std::string_view TimeAt(std::size_t i) const;

    // Index of an entry whose path equals path under the collation, or -1.
    int binSearch(std::string_view path) const;
    // Index of an entry whose path equals path character for character, or -1.
    // Entries that only collate equal (another letter case) are passed over, so
    // one of them can never hide the exact match beside it.
    int FindExact(std::string_view path) const;

private:
    struct Entry {
        std::string line;
        std::size_t tab;  // position of the first TAB, or npos
        std::string key;  // collation key of the path part
    };
    Entry MakeSorted(const std::string& line) const;
    int Compare(const std::string& key, std::size_t i) const;

    const Collation* collation_;
    std::vector<Entry> entries_;
};

}  // namespace vigilon
