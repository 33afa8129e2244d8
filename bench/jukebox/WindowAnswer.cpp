// Waits for a top-level window with an exact caption, then asks the list view in
// it for its row count. The question is a sent message, so it is answered only
// when the window's thread reads its messages again: the answer tells that the
// window responds, and the count that its rows are in. Prints one line per step
// as it happens, for the caller to time:
//   ready          the tool is running and looking
//   caption        the window with that caption exists
//   rows <count> <left> <top> <right> <bottom>
//                  the list view answered; where it is on the screen
//
// usage: WindowAnswer <caption> <timeout ms>
// Exits 0 when the list view answered, 1 when the time ran out, 2 on bad arguments.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace {

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

DWORD Remaining(DWORD start, DWORD timeout) {
    const DWORD spent = GetTickCount() - start;
    return spent < timeout ? timeout - spent : 0;
}

HWND WaitForCaption(const char* caption, DWORD start, DWORD timeout) {
    while (Remaining(start, timeout) > 0) {
        if (HWND window = FindWindowA(nullptr, caption)) return window;
        Sleep(5);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const DWORD timeout = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
    const DWORD start = GetTickCount();
    Say("ready");
    HWND window = WaitForCaption(argv[1], start, timeout);
    if (!window) return 1;
    Say("caption");
    HWND list = FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr);
    if (!list) return 1;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, Remaining(start, timeout),
                             &count)) {
        return 1;
    }
    RECT at{};
    GetWindowRect(list, &at);
    std::printf("rows %lu %ld %ld %ld %ld\n", static_cast<unsigned long>(count), at.left, at.top,
                at.right, at.bottom);
    std::fflush(stdout);
    return 0;
}
