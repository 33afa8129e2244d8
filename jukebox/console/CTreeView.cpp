#include "jukebox/console/CTreeView.h"

#include <stdexcept>

#include "jukebox/playback/PlaylistView.h"

namespace brambletune {
namespace {

constexpr LONG_PTR kTrackSelect = 0x200;  // TVS_TRACKSELECT
constexpr COLORREF kNoColor = static_cast<COLORREF>(-1);

COLORREF OrSystem(LRESULT color, int systemColor) {
    const auto value = static_cast<COLORREF>(color);
    return value == kNoColor ? GetSysColor(systemColor) : value;
}

}  // namespace

void CTreeView::Init(HWND trView) {
    tree_ = trView;
    SetWindowLongPtrA(tree_, GWL_STYLE, GetWindowLongPtrA(tree_, GWL_STYLE) | kTrackSelect);
}

COLORREF CTreeView::BackColor() const {
    return OrSystem(SendMessageA(tree_, TVM_GETBKCOLOR, 0, 0), COLOR_WINDOW);
}

void CTreeView::BackColor(COLORREF color) {
    SendMessageA(tree_, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
}

COLORREF CTreeView::ForeColor() const {
    return OrSystem(SendMessageA(tree_, TVM_GETTEXTCOLOR, 0, 0), COLOR_WINDOWTEXT);
}

void CTreeView::ForeColor(COLORREF color) {
    SendMessageA(tree_, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color));
}

HTREEITEM CTreeView::Add(HTREEITEM parent, const std::string& text, const std::string& key) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.lParam = StrToKey(key);
    const auto node = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (node != nullptr) nodes_.push_back(node);
    return node;
}

LPARAM CTreeView::DataOf(HTREEITEM node) const {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

std::int32_t CTreeView::IndexOfKey(const std::string& key) const {
    const LPARAM wanted = StrToKey(key);
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (DataOf(nodes_[i]) == wanted) return static_cast<std::int32_t>(i + 1);
    return 0;
}

std::int32_t CTreeView::KeyOfIndex(std::int32_t index) const {
    if (index < 1 || static_cast<std::size_t>(index) > nodes_.size())
        throw std::out_of_range("no tree node at index");
    return static_cast<std::int32_t>(DataOf(nodes_[static_cast<std::size_t>(index - 1)]));
}

void CTreeView::ReplaceKey(const std::string& oldKey, const std::string& newKey) {
    const std::int32_t index = IndexOfKey(oldKey);
    if (index == 0) throw std::out_of_range("no tree node with key " + oldKey);
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = nodes_[static_cast<std::size_t>(index - 1)];
    item.lParam = StrToKey(newKey);
    SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

std::string CTreeView::KeyToStr(std::int32_t key) {
    return brambletune::KeyToStr(key);
}

std::int32_t CTreeView::StrToKey(std::string_view key) {
    return brambletune::StrToKey(key);
}

}  // namespace brambletune
