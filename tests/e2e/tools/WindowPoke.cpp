// Sends window messages to a running program from outside, as the shell or a
// user would cause them:
//   WindowPoke post  <window class> <message> <wParam> <lParam>
//   WindowPoke click <window class> <control id>
// Exits 0 when the window (and control) was found, 1 otherwise.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

HWND FindControl(HWND parent, int id) {
    if (HWND direct = GetDlgItem(parent, id)) return direct;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HWND inner = FindControl(child, id)) return inner;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    HWND window = FindWindowA(argv[2], nullptr);
    if (!window) return 1;
    if (std::strcmp(argv[1], "post") == 0 && argc == 6) {
        const UINT message = static_cast<UINT>(std::strtoul(argv[3], nullptr, 0));
        const WPARAM wp = std::strtoull(argv[4], nullptr, 0);
        const LPARAM lp = std::strtoll(argv[5], nullptr, 0);
        return PostMessageA(window, message, wp, lp) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "click") == 0) {
        HWND control = FindControl(window, std::atoi(argv[3]));
        if (!control) return 1;
        PostMessageA(control, BM_CLICK, 0, 0);
        return 0;
    }
    return 2;
}
