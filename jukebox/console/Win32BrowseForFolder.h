#pragma once

#include <windows.h>

#include <string>

namespace brambletune {

// Shows the shell's folder picker owned by owner, with title above the tree and
// the BIF_ flags given (1 offers file-system folders only). On OK path becomes
// the chosen folder and the result is true; on Cancel, or for a choice that is no
// file-system folder, the result is false and path is left as it was.
bool BrowseForFolder(HWND owner, const std::string& title, UINT flags, std::string& path);

}  // namespace brambletune
