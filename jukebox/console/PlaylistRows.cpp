#include "jukebox/console/PlaylistRows.h"

#include <algorithm>
#include <stdexcept>

namespace brambletune {

PlaylistRows::PlaylistRows(SortKey sortKey) : sortKey_(std::move(sortKey)) {}

PlaylistRows::~PlaylistRows() = default;

// Rows added to a sorted list take their place at the first look by position,
// so adding many rows sorts once, as a sorted list view shows them.
void PlaylistRows::Settle() const {
    if (unsorted_) const_cast<PlaylistRows*>(this)->Sort();
}

PlaylistRows::Row& PlaylistRows::At(std::int32_t position) const {
    Settle();
    if (position < 1 || position > Count()) throw std::out_of_range("no playlist row at position");
    return *order_[static_cast<std::size_t>(position - 1)];
}

void PlaylistRows::Renumber(std::size_t from) {
    for (std::size_t i = from; i < order_.size(); ++i)
        order_[i]->position = static_cast<std::int32_t>(i + 1);
}

void PlaylistRows::AddItem(const std::string& key, const RowTexts& items) {
    auto row = std::make_unique<Row>();
    row->key = StrToKey(key);
    row->position = Count() + 1;
    row->texts = items;
    byKey_[row->key] = row.get();
    order_.push_back(std::move(row));
    unsorted_ = sortIdx_ != 0;
    RowsChanged();
}

void PlaylistRows::SetItem(std::int32_t position, const RowTexts& items) {
    At(position).texts = items;
    RowsChanged();
}

std::string PlaylistRows::Cell(std::int32_t position, std::int32_t column) const {
    if (column < 1 || column > kPlaylistColumns) return "";
    return At(position).texts[static_cast<std::size_t>(column - 1)];
}

void PlaylistRows::SetCell(std::int32_t position, std::int32_t column, const std::string& text) {
    if (column < 1 || column > kPlaylistColumns) return;
    At(position).texts[static_cast<std::size_t>(column - 1)] = text;
    RowsChanged();
}

std::int32_t PlaylistRows::IndexOfKey(const std::string& key) const {
    Settle();
    const auto found = byKey_.find(StrToKey(key));
    return found == byKey_.end() ? 0 : found->second->position;
}

std::int32_t PlaylistRows::KeyOfIndex(std::int32_t position) const {
    return At(position).key;
}

void PlaylistRows::ReplaceKey(const std::string& oldKey, const std::string& newKey) {
    const auto found = byKey_.find(StrToKey(oldKey));
    if (found == byKey_.end()) throw std::out_of_range("no playlist row with key " + oldKey);
    Row* row = found->second;
    byKey_.erase(found);
    row->key = StrToKey(newKey);
    byKey_[row->key] = row;
}

void PlaylistRows::RemoveRow(std::int32_t position) {
    RemoveRows({position});
}

void PlaylistRows::RemoveRows(const std::vector<std::int32_t>& positions) {
    if (positions.empty()) return;
    for (const std::int32_t position : positions) {
        Row& row = At(position);
        byKey_.erase(row.key);
        row.position = 0;
    }
    const auto first = static_cast<std::size_t>(positions.front() - 1);
    order_.erase(std::remove_if(order_.begin() + static_cast<std::ptrdiff_t>(first), order_.end(),
                                [](const std::unique_ptr<Row>& row) { return row->position == 0; }),
                 order_.end());
    Renumber(first);
    RowsChanged();
    SelectionChanged(0);
}

void PlaylistRows::Clear() {
    order_.clear();
    byKey_.clear();
    RowsChanged();
    SelectionChanged(0);
}

std::int32_t PlaylistRows::SelectedItem() const {
    Settle();
    for (const auto& row : order_)
        if (row->selected) return row->position;
    return 0;
}

bool PlaylistRows::IsSelected(std::int32_t position) const {
    return At(position).selected;
}

void PlaylistRows::SetSelectedItem(std::int32_t position) {
    Row& chosen = At(position);
    for (auto& row : order_) row->selected = false;
    chosen.selected = true;
    RowsChanged();
    SelectionChanged(0);
    ShowRow(position);
}

void PlaylistRows::SetSelected(std::int32_t position, bool selected) {
    At(position).selected = selected;
    RowsChanged();
    SelectionChanged(position);
}

void PlaylistRows::SelectAll(bool selected) {
    for (auto& row : order_) row->selected = selected;
    RowsChanged();
    SelectionChanged(0);
}

void PlaylistRows::MarkSelected(std::int32_t first, std::int32_t last, bool selected) {
    Settle();
    first = std::max(first, 1);
    last = std::min(last, Count());
    for (std::int32_t position = first; position <= last; ++position)
        order_[static_cast<std::size_t>(position - 1)]->selected = selected;
}

bool PlaylistRows::Checked(std::int32_t position) const {
    return At(position).checked;
}

void PlaylistRows::Checked(std::int32_t position, bool checked) {
    At(position).checked = checked;
    RowsChanged();
}

void PlaylistRows::CheckAll(bool checked) {
    for (auto& row : order_) row->checked = checked;
    RowsChanged();
}

void PlaylistRows::SetSort(std::int32_t column, std::int32_t order) {
    sortIdx_ = (column >= 1 && column <= kPlaylistColumns) ? column : 0;
    sortOrd_ = order == 1 ? 1 : 0;
    SortChanged();
    Sort();
}

void PlaylistRows::ColumnClick(std::int32_t column) {
    SetSort(column, column == sortIdx_ ? 1 - sortOrd_ : 0);
}

// Each text's key is made once, so a sort of n rows asks the collation n
// times instead of once per comparison.
void PlaylistRows::Sort() {
    unsorted_ = false;
    if (sortIdx_ == 0) return;
    const auto column = static_cast<std::size_t>(sortIdx_ - 1);
    std::vector<std::pair<std::string, std::unique_ptr<Row>>> keyed;
    keyed.reserve(order_.size());
    for (auto& row : order_) keyed.emplace_back(sortKey_(row->texts[column]), std::move(row));
    const bool descending = sortOrd_ == 1;
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
        return descending ? b.first < a.first : a.first < b.first;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) order_[i] = std::move(keyed[i].second);
    Renumber(0);
    RowsChanged();
    SelectionChanged(0);
}

}  // namespace brambletune
