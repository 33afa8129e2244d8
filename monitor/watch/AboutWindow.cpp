#include "monitor/watch/AboutWindow.h"

#include <shellapi.h>

#include <string>

#include "resource.h"

namespace vigilon {
namespace {

constexpr UINT_PTR kMarqueeTimer = 1;
constexpr int kMarqueeStep = 2;
constexpr const char* kHomePage = "http://www.quenmark.example/vigilon/";
constexpr const char* kMarquee =
    "Thank you for using Vigilon 2000.  It keeps an eye on your folders so that you don't "
    "have to.";
const char* const kLines[] = {
    "Vigilon 2000 - monitor your directories",
    "",
    "Quenmark Software",
    "12 Harbour Lane, Westbridge",
    "support@quenmark.example",
    "www.quenmark.example",
    "",
};

struct AboutState {
    HFONT titleFont = nullptr;
    HFONT textFont = nullptr;
    int marqueeX = 0;
};

RECT MarqueeBand(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    return RECT{0, client.bottom - 24, client.right, client.bottom - 4};
}

void PaintGradient(HDC dc, const RECT& client) {
    const int height = client.bottom - client.top;
    for (int y = 0; y < height; y += 2) {
        const int shade = 255 - 90 * y / (height ? height : 1);
        HBRUSH band = CreateSolidBrush(RGB(shade / 2, shade * 3 / 4, shade));
        RECT r{client.left, y, client.right, y + 2};
        FillRect(dc, &r, band);
        DeleteObject(band);
    }
}

void PaintText(HDC dc, const AboutState& state, const RECT& client) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    int y = 12;
    for (const char* line : kLines) {
        SelectObject(dc, y == 12 ? state.titleFont : state.textFont);
        RECT r{8, y, client.right - 8, y + 22};
        DrawTextA(dc, line, -1, &r, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        y += 22;
    }
}

void PaintMarquee(HDC dc, HWND dialog, const AboutState& state) {
    const RECT band = MarqueeBand(dialog);
    SelectObject(dc, state.textFont);
    SetTextColor(dc, RGB(255, 255, 160));
    TextOutA(dc, state.marqueeX, band.top, kMarquee,
             static_cast<int>(std::string(kMarquee).size()));
}

void OnPaint(HWND dialog, const AboutState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    RECT client;
    GetClientRect(dialog, &client);
    HGDIOBJ original = SelectObject(dc, state.textFont);
    PaintGradient(dc, client);
    PaintText(dc, state, client);
    PaintMarquee(dc, dialog, state);
    SelectObject(dc, original);
    EndPaint(dialog, &ps);
}

void OnMarqueeTick(HWND dialog, AboutState& state) {
    const RECT band = MarqueeBand(dialog);
    HDC dc = GetDC(dialog);
    HGDIOBJ original = SelectObject(dc, state.textFont);
    SIZE size;
    GetTextExtentPoint32A(dc, kMarquee, static_cast<int>(std::string(kMarquee).size()), &size);
    SelectObject(dc, original);
    ReleaseDC(dialog, dc);
    state.marqueeX -= kMarqueeStep;
    if (state.marqueeX < -size.cx) state.marqueeX = band.right;
    InvalidateRect(dialog, &band, TRUE);
}

void OpenHomePage(HWND dialog) {
    EndDialog(dialog, IDOK);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(GetParent(dialog), "open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        MessageBoxA(GetParent(dialog), "Couldn't open web browser for home page", "Vigilon", MB_OK);
    }
}

INT_PTR OnInit(HWND dialog, AboutState& state) {
    state.titleFont =
        CreateFontA(-18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    state.textFont = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0,
                                 0, 0, "Arial");
    state.marqueeX = 8;
    SetTimer(dialog, kMarqueeTimer, 30, nullptr);
    return TRUE;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<AboutState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lp);
        return OnInit(dialog, *reinterpret_cast<AboutState*>(lp));
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT:
        if (state) OnPaint(dialog, *state);
        return TRUE;
    case WM_TIMER:
        if (state) OnMarqueeTick(dialog, *state);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDC_WEB) {
            OpenHomePage(dialog);
        } else if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    case WM_DESTROY:
        KillTimer(dialog, kMarqueeTimer);
        if (state) {
            DeleteObject(state->titleFont);
            DeleteObject(state->textFont);
        }
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

void ShowAboutWindow(HINSTANCE instance, HWND owner) {
    AboutState state;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace vigilon
