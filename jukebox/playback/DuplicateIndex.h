#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace brambletune {

class CSongList;
class PathNames;
class TextCase;

// The identity of every song of a song list (the upper-cased short form of its
// path), kept by song index and counted in a hash table, so that finding a
// duplicate costs one lookup instead of a system call per song. Built from the
// list on first use; kept in step by the list's editors afterwards.
class DuplicateIndex {
public:
    DuplicateIndex(const PathNames& paths, const TextCase& textCase)
        : paths_(paths), textCase_(textCase) {}

    std::string IdentityOf(const std::string& path) const;
    // Reads every song's identity unless they are known already.
    void Build(const CSongList& list);
    // Forgets everything; the next Build reads the list again.
    void Reset();
    bool Built() const { return built_; }

    // All of these do nothing until the index is built.
    bool Contains(const std::string& identity) const;
    // The song just appended to the list.
    void Added(const std::string& path);
    // Song index left the list and the last song moved into its slot.
    void Removed(std::int32_t index);
    // Song index now has another path.
    void Changed(std::int32_t index, const std::string& path);
    // The identity of song index; Build first.
    const std::string& At(std::int32_t index) const {
        return byIndex_.at(static_cast<std::size_t>(index));
    }

private:
    void Count(const std::string& identity);
    void Uncount(const std::string& identity);

    const PathNames& paths_;
    const TextCase& textCase_;
    bool built_ = false;
    std::vector<std::string> byIndex_;
    std::unordered_map<std::string, std::int32_t> counts_;
};

}  // namespace brambletune
