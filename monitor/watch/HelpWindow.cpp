#include "monitor/watch/HelpWindow.h"

#include <iterator>

#include "resource.h"

namespace vigilon {
namespace {

const char* const kHelpLines[] = {
    "Vigilon 2000 will monitor the status of the files in up to 20 different folders ",
    "on your hard disk.  It does this by taking a snapshot of each folder when you ",
    "first activate the program.  Every minute or so (depending on the delay that ",
    "you select), it will check to see if any files were added, deleted or modified ",
    "and will sound an alarm if there where changes made.",
    "",
    "After you activate Vigilon, the main screen will disappear and you will notice ",
    "that a new icon will appear in the system tray. To deactivate Vigilon, simply ",
    "right click on the Vigilon icon in the system tray and click on Exit.",
    "",
    "It is best not to set the timer too low which will result in performance ",
    "degradation.  If you have large directories and are using all entries then you ",
    "should not check them more than once per minute (60 seconds).",
    "",
    "Who can use VIGILON?  Well perhaps you are on a network and you have ",
    "an incoming directory, where others on the network deposit files for you.  As ",
    "soon as they transfer a file into your incoming directory you will be notified.",
    "",
    " ",
    "",
};

// The Arial font of the text box, made with the window and deleted with it.
struct HelpState {
    HFONT font = nullptr;
};

INT_PTR OnInit(HWND dialog, HelpState& state) {
    HWND text = GetDlgItem(dialog, IDC_HELP_TEXT);
    state.font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0,
                             "Arial");
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    SetWindowTextA(text, HelpText().c_str());
    return TRUE;
}

INT_PTR CALLBACK HelpProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<HelpState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lp);
        return OnInit(dialog, *reinterpret_cast<HelpState*>(lp));
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wp), RGB(0, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) EndDialog(dialog, IDOK);
        return TRUE;
    case WM_DESTROY:
        if (state && state->font) DeleteObject(state->font);
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

std::string HelpText() {
    std::string text = kHelpLines[0];
    for (std::size_t i = 1; i < std::size(kHelpLines); ++i)
        text += std::string("\r\n") + kHelpLines[i];
    return text;
}

void ShowHelpWindow(HINSTANCE instance, HWND owner) {
    HelpState state;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HELP), owner, HelpProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace vigilon
