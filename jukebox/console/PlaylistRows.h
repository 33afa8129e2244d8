#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "jukebox/playback/PlaylistView.h"

namespace brambletune {

// The playlist rows in memory: texts, keys, selection and sort order. The
// console's list view shows these rows (it asks for texts by position), so a
// list of 100,000 songs costs no control items. Position and key lookups are
// constant time; removing a row renumbers the rows after it.
class PlaylistRows : public PlaylistView {
public:
    // A text's collation key: texts sort as their keys compare byte by byte.
    using SortKey = std::function<std::string(const std::string& text)>;

    explicit PlaylistRows(SortKey sortKey);
    ~PlaylistRows() override;

    std::int32_t Count() const override { return static_cast<std::int32_t>(order_.size()); }
    void AddItem(const std::string& key, const RowTexts& items) override;
    void SetItem(std::int32_t position, const RowTexts& items) override;
    std::string Cell(std::int32_t position, std::int32_t column) const override;
    void SetCell(std::int32_t position, std::int32_t column, const std::string& text) override;

    std::int32_t IndexOfKey(const std::string& key) const override;
    std::int32_t KeyOfIndex(std::int32_t position) const override;
    void ReplaceKey(const std::string& oldKey, const std::string& newKey) override;
    void RemoveRow(std::int32_t position) override;
    void RemoveRows(const std::vector<std::int32_t>& positions) override;
    void Clear() override;

    std::int32_t SelectedItem() const override;
    bool IsSelected(std::int32_t position) const override;
    void SetSelectedItem(std::int32_t position) override;
    void SetSelected(std::int32_t position, bool selected);
    void SelectAll(bool selected);

    // The row's check mark, kept with the row through sorts and removals.
    bool Checked(std::int32_t position) const;
    void Checked(std::int32_t position, bool checked);
    void CheckAll(bool checked);

    std::int32_t SortIdx() const override { return sortIdx_; }
    std::int32_t SortOrd() const override { return sortOrd_; }
    void SetSort(std::int32_t column, std::int32_t order) override;
    // A click on a column header: the same column flips the order, another
    // column sorts ascending.
    void ColumnClick(std::int32_t column);

protected:
    // Called after rows were added, removed, changed or reordered, so that a
    // window showing them can refresh.
    virtual void RowsChanged() {}
    virtual void ShowRow(std::int32_t /*position*/) {}
    // Called when the sort column or order was set, before the rows are sorted.
    virtual void SortChanged() {}
    // Called after selection flags changed: position names the one row that
    // changed, 0 means any row's flag may differ (several changed, or rows moved).
    virtual void SelectionChanged(std::int32_t /*position*/) {}

    // Sets the selection flags of rows first ... last without calling the hooks,
    // for a window reporting the selection its user made.
    void MarkSelected(std::int32_t first, std::int32_t last, bool selected);

private:
    struct Row {
        std::int32_t key = 0;
        std::int32_t position = 0;  // 1-based
        bool selected = false;
        bool checked = false;
        RowTexts texts;
    };

    void Settle() const;
    Row& At(std::int32_t position) const;
    void Renumber(std::size_t from);
    void Sort();

    SortKey sortKey_;
    std::vector<std::unique_ptr<Row>> order_;
    std::unordered_map<std::int32_t, Row*> byKey_;
    std::int32_t sortIdx_ = 0;
    std::int32_t sortOrd_ = 0;
    bool unsorted_ = false;  // rows were appended since the last sort
};

}  // namespace brambletune
