#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "jukebox/playback/Win32ShellService.h"

namespace brambletune {

bool Win32ShellService::Recycle(const std::vector<std::string>& files) {
    if (files.empty()) return false;
    // The shell reads a list of paths, each ended by a NUL, with one more NUL after the last.
    std::string list;
    for (const std::string& file : files) {
        list += file;
        list += '\0';
    }
    list += '\0';
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = owner_;
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO;
    if (!confirm_) operation.fFlags |= FOF_NOCONFIRMATION;
    return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

void Win32ShellService::AddToRecentDocuments(const std::string& path) {
    SHAddToRecentDocs(SHARD_PATHA, path.c_str());
}

}  // namespace brambletune
