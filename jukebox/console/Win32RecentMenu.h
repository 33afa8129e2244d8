#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "jukebox/console/RecentMenu.h"

namespace brambletune {

// The recent albums in a real menu. The menu holds a "(None)" item with command
// noneId; the entries take its place, with commands noneId + 1, noneId + 2, ...
// The menu belongs to its window; this object only keeps its items.
class Win32RecentMenu : public RecentMenu {
public:
    Win32RecentMenu(HMENU menu, UINT noneId);

    void Show(const std::vector<std::string>& entries) override;

private:
    void RemoveItems();

    HMENU menu_;
    UINT noneId_;
    UINT position_ = 0;  // where "(None)" stood when this object was made
    std::string noneText_;
    UINT shown_ = 0;
    bool noneShown_ = true;
};

}  // namespace brambletune
