// Runs console commands in a running program and times how soon its window
// answers again after each: the command is sent as WM_COMMAND, which returns
// once the console has run it, then the list view is asked its row count.
// (A posted command would come too late: the window's thread takes sent
// messages before posted ones.) Prints one line per command:
//   <command id> <seconds> <row count>
//
// usage: CommandAnswer <caption> <timeout ms> <command id>...
// Exits 0 when every command was answered, 1 when the window was not found or
// the time ran out, 2 on bad arguments.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    const UINT timeout = static_cast<UINT>(std::strtoul(argv[2], nullptr, 10));
    HWND window = FindWindowA(nullptr, argv[1]);
    HWND list = window ? FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr) : nullptr;
    if (!list) return 1;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    for (int i = 3; i < argc; ++i) {
        const auto id = static_cast<WPARAM>(std::strtoul(argv[i], nullptr, 10));
        QueryPerformanceCounter(&start);
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutA(window, WM_COMMAND, id, 0, SMTO_NORMAL, timeout, &ignored))
            return 1;
        DWORD_PTR count = 0;
        if (!SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, timeout, &count))
            return 1;
        QueryPerformanceCounter(&end);
        std::printf("%lu %.3f %lu\n", static_cast<unsigned long>(id),
                    static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart,
                    static_cast<unsigned long>(count));
        std::fflush(stdout);
    }
    return 0;
}
