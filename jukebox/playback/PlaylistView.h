#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brambletune {

// The playlist's columns, 1-based as the sort index counts them.
inline constexpr std::int32_t kTitleColumn = 1;
inline constexpr std::int32_t kArtistColumn = 2;
inline constexpr std::int32_t kAlbumColumn = 3;
inline constexpr std::int32_t kLengthColumn = 4;
inline constexpr std::int32_t kPathColumn = 5;
inline constexpr std::int32_t kPlaylistColumns = 5;

using RowTexts = std::array<std::string, kPlaylistColumns>;

// A row's text key: the digits of the number followed by "a" (5 -> "5a", -3 -> "-3a").
std::string KeyToStr(std::int32_t key);
// The leading number of a text key, to the nearest 32-bit integer; 0 without one.
std::int32_t StrToKey(std::string_view key);

// The playlist rows as the engine addresses them: by text key, or by 1-based
// position in the current sort order. Every key and position passed must name a row.
class PlaylistView {
public:
    virtual ~PlaylistView() = default;

    virtual std::int32_t Count() const = 0;
    virtual void AddItem(const std::string& key, const RowTexts& items) = 0;
    virtual void SetItem(std::int32_t position, const RowTexts& items) = 0;
    // The text of a column (1-based) of the row at position.
    virtual std::string Cell(std::int32_t position, std::int32_t column) const = 0;
    virtual void SetCell(std::int32_t position, std::int32_t column, const std::string& text) = 0;

    // The position of the row with the key; 0 when no row has it.
    virtual std::int32_t IndexOfKey(const std::string& key) const = 0;
    // The numeric key of the row at position.
    virtual std::int32_t KeyOfIndex(std::int32_t position) const = 0;
    virtual void ReplaceKey(const std::string& oldKey, const std::string& newKey) = 0;
    virtual void RemoveRow(std::int32_t position) = 0;
    // Removes the rows at the given positions (ascending, as they were before the call) in one
    // pass.
    virtual void RemoveRows(const std::vector<std::int32_t>& positions) = 0;
    virtual void Clear() = 0;

    // The first selected row's position; 0 when nothing is selected.
    virtual std::int32_t SelectedItem() const = 0;
    virtual bool IsSelected(std::int32_t position) const = 0;
    // Selects only this row and scrolls it into view.
    virtual void SetSelectedItem(std::int32_t position) = 0;

    // Sorted column (1-based, 0 for none) and order (0 ascending, 1 descending).
    virtual std::int32_t SortIdx() const = 0;
    virtual std::int32_t SortOrd() const = 0;
    // Sorts by the column's text in that order.
    virtual void SetSort(std::int32_t column, std::int32_t order) = 0;
};

}  // namespace brambletune
