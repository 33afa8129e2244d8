#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jukebox/console/ListImages.h"
#include "jukebox/console/PlaylistRows.h"
#include "jukebox/settings/RegistryStore.h"

namespace brambletune {

// The playlist shown in a report-style list view created with LVS_OWNERDATA:
// the control holds no items, it asks for the texts and icons of the rows it
// paints, so 100,000 rows cost no more than ten. Selection is kept in step
// both ways: what the user selects in the control reaches the rows, and what
// the program selects in the rows shows in the control.
class CListView : public PlaylistRows {
public:
    CListView(SortKey sortKey, RegistryStore& registry);
    // Takes the image list and the timer back from the control.
    ~CListView() override;
    CListView(const CListView&) = delete;
    CListView& operator=(const CListView&) = delete;

    // Takes the control: adds the columns ("Title", "Artist", "Album",
    // "Length", "Path", the first nCols of them), header drag and drop,
    // full-row select, one-click activation, hot underlining and a
    // hot-tracking header. The sort triangles are images sortImgStart and
    // sortImgStart + 1 of the list's small images.
    void Init(HWND listView, std::int32_t nCols, std::int32_t sortImgStart);
    HWND LstView() const { return list_; }
    HIMAGELIST ImageList() const { return images_ ? images_->Handle() : nullptr; }
    // How many files the shell was asked for icons so far.
    std::size_t IconLookups() const { return images_ ? images_->ShellCalls() : 0; }

    // The console forwards WM_NOTIFY from the list here. Answers the control's
    // requests for texts, icons and check marks, follows its selection,
    // turns check marks over on clicks on their boxes and sorts on header
    // clicks; false for everything else (keys, double and right clicks are
    // the console's).
    bool OnNotify(NMHDR* header, LRESULT& result);

    void EnableCheckboxes();
    void DisableCheckboxes();

    // Column widths (widths gives the defaults, one per column), column
    // order and sort state under the "Window" settings key.
    void ReadSettings(const std::string& listName, const std::vector<std::int32_t>& widths);
    void SaveSettings(const std::string& listName);

protected:
    void RowsChanged() override;
    void ShowRow(std::int32_t position) override;
    void SortChanged() override;
    void SelectionChanged(std::int32_t position) override;

private:
    static void CALLBACK OnCountTimer(HWND list, UINT message, UINT_PTR id, DWORD time);
    void SyncCount();
    void AddColumns();
    void OnGetDispInfo(NMLVDISPINFOA& request);
    void OnItemChanged(const NMLISTVIEW& change);
    bool OnClick(const NMITEMACTIVATE& click);
    void OnStateRangeChanged(const NMLVODSTATECHANGE& change);
    void ShowSortImage(std::int32_t column, std::int32_t image);
    void SetControlState(std::int32_t index, UINT state, UINT mask);
    void ClearControlSelection();

    RegistryStore& registry_;
    HWND list_ = nullptr;
    std::int32_t nCols_ = 0;
    std::unique_ptr<ListImages> images_;
    std::int32_t shownSortColumn_ = 0;
    bool checkboxes_ = false;
    // The control learns the row count and repaints from a timer, once per
    // burst of changes: each count change repaints its scroll bars, which for
    // 100,000 rows added one by one would cost minutes.
    bool countPending_ = false;
    // Set while the rows' selection is written to the control, whose change
    // notices then only echo it.
    bool pushing_ = false;
};

}  // namespace brambletune
