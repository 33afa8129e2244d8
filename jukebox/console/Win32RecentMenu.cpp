#include "jukebox/console/Win32RecentMenu.h"

namespace brambletune {
namespace {

// A path is shown as it is: "&" would otherwise underline the next letter.
std::string MenuText(const std::string& path) {
    std::string text;
    for (char c : path) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

}  // namespace

Win32RecentMenu::Win32RecentMenu(HMENU menu, UINT noneId) : menu_(menu), noneId_(noneId) {
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        if (GetMenuItemID(menu_, i) == noneId_) position_ = static_cast<UINT>(i);
    }
    char text[256] = {};
    GetMenuStringA(menu_, noneId_, text, sizeof text, MF_BYCOMMAND);
    noneText_ = text;
}

void Win32RecentMenu::Show(const std::vector<std::string>& entries) {
    RemoveItems();
    if (entries.empty()) {
        InsertMenuA(menu_, position_, MF_BYPOSITION | MF_STRING | MF_GRAYED, noneId_,
                    noneText_.c_str());
        noneShown_ = true;
        return;
    }
    for (const std::string& entry : entries) {
        InsertMenuA(menu_, position_ + shown_, MF_BYPOSITION | MF_STRING | MF_ENABLED,
                    noneId_ + 1 + shown_, MenuText(entry).c_str());
        ++shown_;
    }
}

void Win32RecentMenu::RemoveItems() {
    for (UINT i = 1; i <= shown_; ++i) DeleteMenu(menu_, noneId_ + i, MF_BYCOMMAND);
    shown_ = 0;
    if (noneShown_) DeleteMenu(menu_, noneId_, MF_BYCOMMAND);
    noneShown_ = false;
}

}  // namespace brambletune
