#include "monitor/watch/SystemLibraries.h"

#include <windows.h>

namespace vigilon {

void RestrictLibrarySearch() {
    // The current folder leaves the search on every system.
    SetDllDirectoryA("");
    // Systems without the call (before Windows 8 without its update) keep their
    // safe search order; it is looked up so the program still starts there.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const FARPROC address =
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    if (!address) return;
    const auto setDirectories =
        reinterpret_cast<SetDirectories>(reinterpret_cast<void (*)()>(address));
    setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace vigilon
