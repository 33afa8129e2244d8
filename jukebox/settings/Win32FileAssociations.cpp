#include "jukebox/settings/Win32FileAssociations.h"

#include <windows.h>

#include <shlobj.h>

#include "jukebox/model/Win32TextCase.h"
#include "jukebox/settings/FileAssociations.h"

namespace brambletune {

void NotifyAssocChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, 0, nullptr, nullptr);
}

std::string RunningProgramPath() {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ProgramPathOf(std::string(path, n), Win32TextCase());
}

}  // namespace brambletune
