#include "jukebox/console/CListView.h"

#include <algorithm>

#include "jukebox/console/ListLayout.h"

namespace brambletune {
namespace {

// Header drag and drop, full-row select, one-click activation, hot underlining.
constexpr DWORD kExtendedStyles = 0x870;
constexpr LONG_PTR kHeaderHotTrack = 0x4;
// HDF_STRING | HDF_BITMAP_ON_RIGHT, and HDF_IMAGE to show the triangle.
constexpr int kHeaderTextRightImage = 0x5000;
constexpr int kHeaderShowImage = 0x0800;
constexpr int kInitialWidth = 100;
constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);
constexpr UINT_PTR kCountTimer = 0x4C56;
constexpr const char* kViewProperty = "Brambletune.CListView";

const char* const kColumnNames[kPlaylistColumns] = {"Title", "Artist", "Album", "Length", "Path"};

void AddStyle(HWND window, LONG_PTR style) {
    SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | style);
}

class Flag {
public:
    explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
    ~Flag() { flag_ = false; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& flag_;
};

}  // namespace

CListView::CListView(SortKey sortKey, RegistryStore& registry)
    : PlaylistRows(std::move(sortKey)), registry_(registry) {}

CListView::~CListView() {
    if (list_ == nullptr || !IsWindow(list_)) return;
    KillTimer(list_, kCountTimer);
    RemovePropA(list_, kViewProperty);
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    SendMessageA(ListView_GetHeader(list_), HDM_SETIMAGELIST, 0, 0);
}

void CListView::Init(HWND listView, std::int32_t nCols, std::int32_t sortImgStart) {
    list_ = listView;
    SetPropA(list_, kViewProperty, this);
    nCols_ = std::clamp(nCols, 1, kPlaylistColumns);
    images_ = std::make_unique<ListImages>(sortImgStart);
    // The image list is this object's; the control must not destroy it.
    AddStyle(list_, LVS_SHAREIMAGELISTS);
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_->Handle()));
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, kExtendedStyles, kExtendedStyles);
    HWND header = ListView_GetHeader(list_);
    AddStyle(header, kHeaderHotTrack);
    SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    AddColumns();
    RowsChanged();
    SyncCount();
}

void CListView::AddColumns() {
    HWND header = ListView_GetHeader(list_);
    for (std::int32_t i = Header_GetItemCount(header); i < nCols_; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(kColumnNames[i]);
        column.cx = kInitialWidth;
        column.iSubItem = i;
        SendMessageA(list_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
}

bool CListView::OnNotify(NMHDR* header, LRESULT& result) {
    if (list_ == nullptr || header == nullptr || header->hwndFrom != list_) return false;
    result = 0;
    switch (header->code) {
    case LVN_GETDISPINFOA: OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOA*>(header)); return true;
    case LVN_ITEMCHANGED: OnItemChanged(*reinterpret_cast<const NMLISTVIEW*>(header)); return true;
    case LVN_ODSTATECHANGED:
        OnStateRangeChanged(*reinterpret_cast<const NMLVODSTATECHANGE*>(header));
        return true;
    case NM_CLICK: return checkboxes_ && OnClick(*reinterpret_cast<const NMITEMACTIVATE*>(header));
    case LVN_COLUMNCLICK:
        ColumnClick(reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem + 1);
        return true;
    default: return false;
    }
}

void CListView::OnGetDispInfo(NMLVDISPINFOA& request) {
    LVITEMA& item = request.item;
    const std::int32_t position = item.iItem + 1;
    if (position < 1 || position > Count()) return;
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
        lstrcpynA(item.pszText, Cell(position, item.iSubItem + 1).c_str(), item.cchTextMax);
    // Icons are looked up when a row is first shown, never when it is added.
    if (item.mask & LVIF_IMAGE)
        item.iImage = item.iSubItem == 0 ? images_->ImageOf(Cell(position, nCols_)) : -1;
    if ((item.mask & LVIF_STATE) && checkboxes_) {
        item.state =
            (item.state & ~LVIS_STATEIMAGEMASK) | (Checked(position) ? kChecked : kUnchecked);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

void CListView::OnItemChanged(const NMLISTVIEW& change) {
    if (pushing_ || !(change.uChanged & LVIF_STATE)) return;
    const bool selected = (change.uNewState & LVIS_SELECTED) != 0;
    // Item -1 is the control changing every item at once.
    if (change.iItem < 0) {
        MarkSelected(1, Count(), selected);
        return;
    }
    const std::int32_t position = change.iItem + 1;
    if (position > Count()) return;
    if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED)
        MarkSelected(position, position, selected);
}

// An owner-data control leaves its check boxes to the owner: a click on a
// row's box turns its check mark over.
bool CListView::OnClick(const NMITEMACTIVATE& click) {
    LVHITTESTINFO hit{};
    hit.pt = click.ptAction;
    SendMessageA(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    const std::int32_t position = hit.iItem + 1;
    if (!(hit.flags & LVHT_ONITEMSTATEICON) || position < 1 || position > Count()) return false;
    Checked(position, !Checked(position));
    return true;
}

void CListView::OnStateRangeChanged(const NMLVODSTATECHANGE& change) {
    if (pushing_ || !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) return;
    MarkSelected(change.iFrom + 1, change.iTo + 1, (change.uNewState & LVIS_SELECTED) != 0);
}

void CListView::RowsChanged() {
    if (list_ == nullptr || countPending_) return;
    countPending_ = true;
    SetTimer(list_, kCountTimer, USER_TIMER_MINIMUM, &CListView::OnCountTimer);
}

void CALLBACK CListView::OnCountTimer(HWND list, UINT, UINT_PTR, DWORD) {
    auto* view = static_cast<CListView*>(GetPropA(list, kViewProperty));
    if (view != nullptr) view->SyncCount();
}

// Rows missing from a stale count are simply not painted yet; anything that
// addresses the control's items by index syncs first.
void CListView::SyncCount() {
    if (!countPending_) return;
    countPending_ = false;
    KillTimer(list_, kCountTimer);
    if (ListView_GetItemCount(list_) != Count())
        SendMessageA(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(Count()), LVSICF_NOSCROLL);
    InvalidateRect(list_, nullptr, FALSE);
}

void CListView::ShowRow(std::int32_t position) {
    if (list_ == nullptr) return;
    SyncCount();
    SetControlState(position - 1, LVIS_FOCUSED, LVIS_FOCUSED);
    SendMessageA(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(position - 1), FALSE);
}

void CListView::SelectionChanged(std::int32_t position) {
    if (list_ == nullptr) return;
    SyncCount();
    const Flag pushing(pushing_);
    if (position > 0) {
        SetControlState(position - 1, IsSelected(position) ? LVIS_SELECTED : 0, LVIS_SELECTED);
        return;
    }
    const std::int32_t count = Count();
    std::int32_t selected = 0;
    for (std::int32_t p = 1; p <= count; ++p) selected += IsSelected(p) ? 1 : 0;
    if (count > 0 && selected == count) {
        SetControlState(-1, LVIS_SELECTED, LVIS_SELECTED);
        return;
    }
    ClearControlSelection();
    if (selected == 0) return;
    for (std::int32_t p = 1; p <= count; ++p)
        if (IsSelected(p)) SetControlState(p - 1, LVIS_SELECTED, LVIS_SELECTED);
}

// Clearing item -1 sets every item of the control, each with notifications to
// the parent, and a window hook such as the hourglass's makes each of those
// costly (seconds for 100,000 rows under Wine); clearing only the items the
// control shows selected costs what the selection holds.
void CListView::ClearControlSelection() {
    for (int item = ListView_GetNextItem(list_, -1, LVNI_SELECTED); item >= 0;
         item = ListView_GetNextItem(list_, item, LVNI_SELECTED))
        SetControlState(item, 0, LVIS_SELECTED);
}

void CListView::SetControlState(std::int32_t index, UINT state, UINT mask) {
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void CListView::SortChanged() {
    if (list_ == nullptr) return;
    if (shownSortColumn_ != 0 && shownSortColumn_ != SortIdx()) ShowSortImage(shownSortColumn_, -1);
    if (SortIdx() != 0) ShowSortImage(SortIdx(), images_->SortImage(SortOrd()));
    shownSortColumn_ = SortIdx();
}

// image -1 removes the triangle; the column keeps its alignment.
void CListView::ShowSortImage(std::int32_t column, std::int32_t image) {
    HWND header = ListView_GetHeader(list_);
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    if (!SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column - 1),
                      reinterpret_cast<LPARAM>(&item)))
        return;
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt =
        kHeaderTextRightImage | (item.fmt & HDF_JUSTIFYMASK) | (image >= 0 ? kHeaderShowImage : 0);
    item.iImage = std::max(image, 0);
    SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(column - 1),
                 reinterpret_cast<LPARAM>(&item));
}

void CListView::EnableCheckboxes() {
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    // The check marks live in the rows; the control asks for them.
    const auto mask = static_cast<UINT>(SendMessageA(list_, LVM_GETCALLBACKMASK, 0, 0));
    SendMessageA(list_, LVM_SETCALLBACKMASK, mask | LVIS_STATEIMAGEMASK, 0);
    checkboxes_ = true;
    InvalidateRect(list_, nullptr, FALSE);
}

void CListView::DisableCheckboxes() {
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, 0);
    const auto mask = static_cast<UINT>(SendMessageA(list_, LVM_GETCALLBACKMASK, 0, 0));
    SendMessageA(list_, LVM_SETCALLBACKMASK, mask & ~LVIS_STATEIMAGEMASK, 0);
    checkboxes_ = false;
    InvalidateRect(list_, nullptr, FALSE);
}

void CListView::ReadSettings(const std::string& listName, const std::vector<std::int32_t>& widths) {
    std::vector<std::int32_t> defaults(widths);
    defaults.resize(static_cast<std::size_t>(nCols_), kInitialWidth);
    const ListLayout layout = ReadListLayout(registry_, listName, defaults);
    for (std::int32_t i = 0; i < nCols_; ++i)
        SendMessageA(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i),
                     layout.widths[static_cast<std::size_t>(i)]);
    std::vector<int> order(layout.order.begin(), layout.order.end());
    SendMessageA(list_, LVM_SETCOLUMNORDERARRAY, order.size(),
                 reinterpret_cast<LPARAM>(order.data()));
    SetSort(layout.sortIdx, layout.sortOrd);
}

void CListView::SaveSettings(const std::string& listName) {
    ListLayout layout;
    for (std::int32_t i = 0; i < nCols_; ++i)
        layout.widths.push_back(
            static_cast<std::int32_t>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, i, 0)));
    std::vector<int> order(static_cast<std::size_t>(nCols_));
    if (SendMessageA(list_, LVM_GETCOLUMNORDERARRAY, order.size(),
                     reinterpret_cast<LPARAM>(order.data())))
        layout.order.assign(order.begin(), order.end());
    layout.sortIdx = SortIdx();
    layout.sortOrd = SortOrd();
    SaveListLayout(registry_, listName, layout);
}

}  // namespace brambletune
