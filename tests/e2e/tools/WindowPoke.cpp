// Sends window messages to a running program from outside, as the shell or a
// user would cause them, and asks it the questions a test waits on:
//   WindowPoke post    <window class> <message> <wParam> <lParam>
//   WindowPoke click   <window class> <control id>
//   WindowPoke sync    <window class>   the window's thread takes messages again
//   WindowPoke visible <window class>   a window of the class is visible
//   WindowPoke checked <window class> <control id>
//   WindowPoke text    <window class> <control id>   prints the control's text
//   WindowPoke settext <window class> <control id> <text>   as if typed into it
// A window class written as "=Title" names the window by its title instead.
// Exits 0 when the window (and control) was found and the answer is yes,
// 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Long enough for a busy machine; a program that takes longer is stuck.
constexpr UINT kAnswerLimitMs = 30000;

HWND FindControl(HWND parent, int id) {
    if (HWND direct = GetDlgItem(parent, id)) return direct;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HWND inner = FindControl(child, id)) return inner;
    }
    return nullptr;
}

bool Answered(HWND window, UINT message, WPARAM wp, LPARAM lp, DWORD_PTR& result) {
    return SendMessageTimeoutA(window, message, wp, lp, SMTO_NORMAL, kAnswerLimitMs, &result) != 0;
}

int PrintText(HWND control) {
    DWORD_PTR length = 0;
    if (!Answered(control, WM_GETTEXTLENGTH, 0, 0, length)) return 1;
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!Answered(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied))
        return 1;
    std::fwrite(text.data(), 1, copied, stdout);
    return 0;
}

int OnControl(const char* command, HWND control) {
    DWORD_PTR result = 0;
    if (std::strcmp(command, "click") == 0) return PostMessageA(control, BM_CLICK, 0, 0) ? 0 : 1;
    if (std::strcmp(command, "checked") == 0)
        return Answered(control, BM_GETCHECK, 0, 0, result) && result == BST_CHECKED ? 0 : 1;
    if (std::strcmp(command, "text") == 0) return PrintText(control);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    HWND window =
        argv[2][0] == '=' ? FindWindowA(nullptr, argv[2] + 1) : FindWindowA(argv[2], nullptr);
    if (!window) return 1;
    const char* command = argv[1];
    DWORD_PTR result = 0;
    if (std::strcmp(command, "sync") == 0) return Answered(window, WM_NULL, 0, 0, result) ? 0 : 1;
    if (std::strcmp(command, "visible") == 0) return IsWindowVisible(window) ? 0 : 1;
    if (std::strcmp(command, "post") == 0 && argc == 6) {
        const UINT message = static_cast<UINT>(std::strtoul(argv[3], nullptr, 0));
        const WPARAM wp = std::strtoull(argv[4], nullptr, 0);
        const LPARAM lp = std::strtoll(argv[5], nullptr, 0);
        return PostMessageA(window, message, wp, lp) ? 0 : 1;
    }
    const bool setText = std::strcmp(command, "settext") == 0;
    if (argc != (setText ? 5 : 4)) return 2;
    HWND control = FindControl(window, std::atoi(argv[3]));
    if (!control) return 1;
    if (setText)
        return Answered(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]), result) ? 0 : 1;
    return OnControl(command, control);
}
