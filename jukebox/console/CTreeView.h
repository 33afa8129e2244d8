#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brambletune {

// A tree control whose nodes are addressed by a numeric key (kept as each
// node's item data) or by their 1-based index in the order they were added.
class CTreeView {
public:
    // Keeps the tree and gives it the hot-tracking style.
    void Init(HWND trView);
    HWND TrView() const { return tree_; }

    // The colours set on the tree; the system window and window-text colours
    // while none is set.
    COLORREF BackColor() const;
    void BackColor(COLORREF color);
    COLORREF ForeColor() const;
    void ForeColor(COLORREF color);

    // Adds a node with the text key under parent (TVI_ROOT for a top node).
    HTREEITEM Add(HTREEITEM parent, const std::string& text, const std::string& key);

    // The index of the node with the key; 0 when no node has it.
    std::int32_t IndexOfKey(const std::string& key) const;
    // The numeric key of the node at index; throws std::out_of_range without one.
    std::int32_t KeyOfIndex(std::int32_t index) const;
    void ReplaceKey(const std::string& oldKey, const std::string& newKey);
    static std::string KeyToStr(std::int32_t key);
    static std::int32_t StrToKey(std::string_view key);

private:
    LPARAM DataOf(HTREEITEM node) const;

    HWND tree_ = nullptr;
    std::vector<HTREEITEM> nodes_;
};

}  // namespace brambletune
