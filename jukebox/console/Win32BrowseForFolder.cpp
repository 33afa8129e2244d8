#include "jukebox/console/Win32BrowseForFolder.h"

#include <objbase.h>
#include <shlobj.h>

namespace brambletune {
namespace {

// Owns an item list the shell allocated for the caller.
class ItemList {
public:
    explicit ItemList(LPITEMIDLIST items) : items_(items) {}
    ~ItemList() { CoTaskMemFree(items_); }
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    LPITEMIDLIST Get() const { return items_; }

private:
    LPITEMIDLIST items_;
};

}  // namespace

bool BrowseForFolder(HWND owner, const std::string& title, UINT flags, std::string& path) {
    char name[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = name;
    info.lpszTitle = title.c_str();
    info.ulFlags = flags;
    const ItemList chosen(SHBrowseForFolderA(&info));
    if (!chosen.Get()) return false;

    char folder[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen.Get(), folder)) return false;
    path = folder;
    return true;
}

}  // namespace brambletune
