#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "jukebox/model/CSong.h"

namespace brambletune {

class AlbumReader;
class AlbumWriter;

// The playlist in memory: songs at dense 0-based indices, with the
// album's play mode and Repeat All switch. The list owns its songs; song(i)
// returns the stored object, which stays at the same address until it is removed.
class CSongList {
public:
    static constexpr std::int32_t kCapacityStep = 25;

    std::int32_t PlayMode = 0;  // 0 Normal, 1 Shuffle, 2 Repeat 1
    bool repeatAll = false;

    CSongList() = default;
    ~CSongList();
    CSongList(const CSongList&) = delete;
    CSongList& operator=(const CSongList&) = delete;

    bool IsEmpty() const { return count_ == 0; }
    std::int32_t nSongs() const { return count_; }
    std::int32_t nHistory() const;
    void ClearHistory();
    // Counts the calls of the members that add, remove, replace or read songs
    // or clear the history, so a holder of a figure derived from the songs can
    // tell whether it is still right.
    std::uint64_t Changes() const { return changes_; }

    // i must lie in 0..nSongs()-1 (throws std::out_of_range otherwise).
    CSong& song(std::int32_t i);
    const CSong& song(std::int32_t i) const;
    // Replaces the song stored at index i (all fields, history included).
    // Out-of-range i does nothing.
    void SetSong(std::int32_t i, const CSong& value);

    // Appends a Copy of song (history 0) at index nSongs().
    void Add(const CSong& song);
    // Releases song i; the last song moves into slot i. Out-of-range i does nothing.
    void Remove(std::int32_t i);
    // Releases all songs; PlayMode and repeatAll keep their values.
    void Clear();

    // The album-file body (count line and records) in the layout of version.
    // ReadFile: Clear, then the count line and that many records. AppendFile: the
    // other album's songs after the existing ones; its mode and switch are dropped.
    // Both return false on a read error (premature end, a non-number where a
    // number belongs, a negative count). The list then holds none of the songs of
    // that read: ReadFile leaves it empty, AppendFile leaves the songs it had
    // before. (The engine fills the playlist view only after a successful read,
    // so a partial result would be songs in the list that no row shows.) An unknown version reads
    // nothing and returns true. Memory grows with the songs actually read, never with the count a
    // file claims.
    bool ReadFile(AlbumReader& file, std::string_view version);
    bool AppendFile(AlbumReader& file, std::string_view version);
    // Writes the count line and all songs; an unknown version writes nothing.
    void SaveFile(AlbumWriter& file, std::string_view version) const;

    // Number of song slots held: the array grows and shrinks in steps of 25.
    std::int32_t Capacity() const { return static_cast<std::int32_t>(slots_.size()); }

private:
    bool ReadSongs(AlbumReader& file, std::string_view version, std::int32_t n);
    void SetCapacity(std::int64_t slots);

    std::vector<std::unique_ptr<CSong>> slots_;
    std::int32_t count_ = 0;
    std::uint64_t changes_ = 0;
};

}  // namespace brambletune
