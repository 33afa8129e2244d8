#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/watch/Collation.h"

namespace vigilon {

// A list of snapshot entries kept in ascending order of their path parts under
// one collation. Duplicates are kept, in the order they were added. Each entry
// remembers the folder slot it was listed from, and each slot whether its
// folder was out of reach.
class SnapshotList {
public:
    explicit SnapshotList(const Collation& collation) : collation_(&collation) {}

    void Clear();
    // Adds a batch of entries (one folder's listing) and restores the order.
    void Add(const std::vector<std::string>& lines, int slot = 0);
    // The lines listed from slot, in list order.
    std::vector<std::string> LinesOf(int slot) const;
    void SetUnavailable(int slot) { unavailable_ |= Bit(slot); }
    bool Unavailable(int slot) const { return (unavailable_ & Bit(slot)) != 0; }

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
        int slot;
    };
    static std::uint32_t Bit(int slot) { return std::uint32_t{1} << slot; }
    Entry MakeSorted(const std::string& line, int slot) const;
    int Compare(const std::string& key, std::size_t i) const;

    const Collation* collation_;
    std::vector<Entry> entries_;
    std::uint32_t unavailable_ = 0;  // one bit per folder slot
};

}  // namespace vigilon
