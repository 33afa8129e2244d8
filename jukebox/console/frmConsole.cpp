#include "jukebox/console/frmConsole.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/CListView.h"
#include "jukebox/console/CallbackGuard.h"
#include "jukebox/console/CRecentFiles.h"
#include "jukebox/console/LongPath.h"
#include "jukebox/console/MFindFile.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/console/Win32RecentMenu.h"
#include "jukebox/console/Win32SortKey.h"
#include "jukebox/console/Win32WindowHook.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/settings/frmSong.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/windows/frmAbout.h"
#include "jukebox/windows/frmLyrics.h"
#include "jukebox/windows/frmTips.h"
#include "jukebox/windows/frmVolume.h"
#include "res/resource.h"

namespace brambletune {
namespace {

constexpr const char* kClassName = "frmConsole";

// Label boxes in twips: headings, values, status line, volume area. The song
// count reaches into the free room before the buttons: 100,000 needs six digits.
constexpr RECT kLabelBoxes[] = {
    {90, 60, 790, 285},    {800, 60, 1390, 285},   {1400, 60, 1890, 285},  {1900, 60, 2400, 285},
    {90, 585, 790, 810},   {800, 585, 1490, 810},  {1400, 585, 2240, 810}, {90, 300, 790, 540},
    {800, 300, 1390, 540}, {1400, 300, 1890, 540}, {1900, 300, 2790, 540}, {2250, 560, 2415, 815},
};
constexpr const char* kLabelTexts[] = {"Elapsed",    "Length", "Song", "Total", "Stopped", "Normal",
                                       "Repeat All", "0:00",   "0:00", "0",     "0",       ""};

// Picture buttons in frame(0): Back, Play, Pause, Stop, Next, by Song menu index.
struct ButtonPlace {
    int index;
    int left;
    int icon;
    const char* tip;
};
constexpr ButtonPlace kButtons[] = {
    {4, 0, IDI_BUTTON_BACK, "Back - Keyboard: F"},
    {0, 480, IDI_BUTTON_PLAY, "Play - Keyboard: A"},
    {2, 960, IDI_BUTTON_PAUSE, "Pause - Keyboard: S"},
    {1, 1440, IDI_BUTTON_STOP, "Stop - Keyboard: D"},
    {5, 1920, IDI_BUTTON_NEXT, "Next - Keyboard: G"},
};
struct OptionPlace {
    int index;
    int left;
    const char* tip;
};
constexpr OptionPlace kOptions[] = {
    {0, 0, "Normal Mode - Keyboard: Z"},       {1, 300, "Shuffle Mode - Keyboard: X"},
    {2, 600, "Repeat 1 - Keyboard: C"},        {6, 1650, "Elapsed Time - Keyboard: B"},
    {7, 1950, "Remaining Time - Keyboard: N"},
};
constexpr int kRepeatAllLeft = 1050;
constexpr int kButtonTop = 45, kButtonWidth = 450, kButtonHeight = 360;
constexpr int kOptionTop = 495, kOptionSize = 255;

constexpr ConsoleMenu kMenuOfBlock[] = {ConsoleMenu::Album, ConsoleMenu::Song, ConsoleMenu::Mode,
                                        ConsoleMenu::PlayList, ConsoleMenu::Help};

HFONT MakeFont(int slot, HDC dc) {
    const std::string name = Options.FontName(slot);
    if (name.empty()) return nullptr;
    const int height =
        -MulDiv(static_cast<int>(Options.FontSize(slot) + 0.5), GetDeviceCaps(dc, LOGPIXELSY), 72);
    return CreateFontA(height, 0, 0, 0, Options.FontWeight(slot), Options.FontItalic(slot), FALSE,
                       FALSE, static_cast<BYTE>(Options.FontCharset(slot)), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, name.c_str());
}

}  // namespace

frmConsole::frmConsole(HINSTANCE instance) : instance_(instance) {
    for (int i = 0; i < kLabels; ++i) lbl_[i] = {kLabelTexts[i], kLabelBoxes[i], i <= 3};
}

frmConsole::~frmConsole() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (displayFont_) DeleteObject(displayFont_);
    if (listFont_) DeleteObject(listFont_);
    if (background_) DeleteObject(background_);
    if (popups_) DestroyMenu(popups_);
}

bool frmConsole::Create() {
    if (hwnd_) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_PROGRAM));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassExA(&wc);
    CreateWindowExA(WS_EX_ACCEPTFILES, kClassName, "Brambletune",
                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 460, 350,
                    nullptr, nullptr, instance_, this);
    return hwnd_ != nullptr;
}

bool frmConsole::Load() {
    if (!Create()) return false;
    Form_Load();
    ShowWindow(hwnd_, IsIconic(hwnd_) && trayIcon_.Shown() ? SW_HIDE : SW_SHOW);
    return true;
}

LRESULT CALLBACK frmConsole::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<frmConsole*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmConsole*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    RunGuarded(window, [&] { result = self->OnMessage(message, wParam, lParam); });
    return result;
}

LRESULT frmConsole::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: Form_Resize(wParam); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, background_);
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetTextColor(reinterpret_cast<HDC>(wParam), Options.TextColor());
        SetBkColor(reinterpret_cast<HDC>(wParam), Options.BackgroundColor());
        return reinterpret_cast<LRESULT>(background_);
    case WM_COMMAND:
        if (lParam && HIWORD(wParam) == BN_CLICKED) {
            const int id = LOWORD(wParam);
            if (id >= IDC_CMD_CTRLS && id < IDC_CMD_CTRLS + 6)
                commands_->mnuSong_Click(id - IDC_CMD_CTRLS);
            if (id >= IDC_OPT_MODE && id < IDC_OPT_MODE + 8)
                commands_->mnuMode_Click(id - IDC_OPT_MODE);
            if (id == IDC_REPEAT_ALL) commands_->chkRepeatAll_Click(RepeatAllTicked());
            return 0;
        }
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_TIMER:
        if (wParam == kTimerId) box_->MMCStatusUpdate();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnMouseDown({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))},
                    message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_RBUTTONDOWN:
        OnLabelClick({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) != hwnd_ && reinterpret_cast<HWND>(wParam) != songs_ &&
            reinterpret_cast<HWND>(wParam) != slider_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(hand_);
            return TRUE;
        }
        if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT) {
            POINT at;
            GetCursorPos(&at);
            ScreenToClient(hwnd_, &at);
            const int label = LabelAt(at);
            if (label == 0 || (label >= 4 && label <= 7) || label == 9 || label == 11) {
                SetCursor(hand_);
                return TRUE;
            }
        }
        break;
    case WM_DROPFILES: OnDrop(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_APPCOMMAND:
        if (OnAppCommand(lParam)) return TRUE;
        break;
    case WM_HOTKEY: RunMediaCommand(Win32MediaHotKeys::CommandOf(wParam)); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); break;
    case WM_CLOSE: Form_Unload(); return 0;
    // The session waits for the questions; the rest of the unload runs once it ends.
    case WM_QUERYENDSESSION: return unloading_ || CloseDocuments();
    case WM_ENDSESSION:
        if (wParam) Form_Unload();
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd_, kTimerId);
        PostQuitMessage(0);
        return 0;
    default: break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void frmConsole::OnCreate() {
    HDC dc = GetDC(hwnd_);
    dpiX_ = GetDeviceCaps(dc, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(hwnd_, dc);
    hand_ = LoadCursorA(instance_, MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    menu_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_CONSOLE_MENU));
    SetMenu(hwnd_, menu_);
    popups_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_POPUP_MENUS));
    keys_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDR_CONSOLE_KEYS));
    background_ = CreateSolidBrush(Options.BackgroundColor());
    platform_.SetOwner(hwnd_);
    CreateControls();
}

int frmConsole::Px(int twips) const {
    return MulDiv(twips, dpiX_, 1440);
}
int frmConsole::Twips(int pixels) const {
    return MulDiv(pixels, 1440, dpiX_);
}

RECT frmConsole::ToPixels(const RECT& twips) const {
    return {Px(twips.left), MulDiv(twips.top, dpiY_, 1440), Px(twips.right),
            MulDiv(twips.bottom, dpiY_, 1440)};
}

void frmConsole::CreateControls() {
    const auto child = [&](const char* cls, const char* text, DWORD style, int id) {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                               nullptr);
    };
    for (const ButtonPlace& b : kButtons) {
        HWND button =
            child("BUTTON", "", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, IDC_CMD_CTRLS + b.index);
        auto* icon = static_cast<HICON>(
            LoadImageA(instance_, MAKEINTRESOURCEA(b.icon), IMAGE_ICON, 16, 16, 0));
        SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
        cmdCtrls_[static_cast<std::size_t>(b.index)] = button;
    }
    for (const OptionPlace& o : kOptions) {
        const DWORD group = (o.index == 0 || o.index == 6) ? WS_GROUP : 0;
        optMode_[static_cast<std::size_t>(o.index)] =
            child("BUTTON", "", BS_AUTORADIOBUTTON | group | WS_TABSTOP, IDC_OPT_MODE + o.index);
    }
    chkRepeatAll_ = child("BUTTON", "", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, IDC_REPEAT_ALL);
    icon_ = child("STATIC", "", SS_ICON, 0);
    SendMessageA(icon_, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(instance_, MAKEINTRESOURCEA(IDI_PROGRAM))), 0);
    slider_ = child(TRACKBAR_CLASSA, "", TBS_HORZ | TBS_NOTICKS | TBS_BOTH, IDC_SLIDER);
    SendMessageA(slider_, TBM_SETRANGEMIN, FALSE, 0);
    SendMessageA(slider_, TBM_SETRANGEMAX, TRUE, kSliderScale);
    songs_ = CreateWindowExA(
        WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0, 0,
        10, 10, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_SONGS)), instance_,
        nullptr);
    sliderHook_ =
        std::make_unique<Win32WindowHook>(slider_, [this](UINT message, WPARAM, LPARAM, LRESULT&) {
            OnSliderMouse(message);
            return false;
        });
    CreateTooltips();
}

void frmConsole::CreateTooltips() {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, instance_, nullptr);
    for (const ButtonPlace& b : kButtons)
        AddTooltip(cmdCtrls_[static_cast<std::size_t>(b.index)], b.tip);
    for (const OptionPlace& o : kOptions)
        AddTooltip(optMode_[static_cast<std::size_t>(o.index)], o.tip);
    AddTooltip(chkRepeatAll_, "Repeat All - Keyboard: V");
    AddTooltip(slider_, "Current position in song");
    AddTooltip(lbl_[8].twips, "Total length of all selected songs");
    AddTooltip(lbl_[11].twips, "Volume Control");
}

void frmConsole::AddTooltip(HWND control, const char* text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void frmConsole::AddTooltip(const RECT& twips, const char* text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = static_cast<UINT_PTR>(twips.left + twips.top);
    tool.rect = ToPixels(twips);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void frmConsole::Form_Load() {
    FormMoveSettings.SnapDistance = 20;
    formWindow_ = std::make_unique<Win32FormWindow>(hwnd_);
    formUtils_ = std::make_unique<CFormUtils>(*formWindow_, platform_.registry);
    mciModule_ = std::make_unique<MMCICtrl>(platform_.mci, platform_.files, platform_.paths,
                                            platform_.textCase);
    list_ = std::make_unique<CListView>(Win32SortKey(), platform_.registry);
    finder_ = std::make_unique<MFindFile>(platform_.listing, platform_.pump, platform_.pointer,
                                          platform_.textCase);
    recentMenu_ =
        std::make_unique<Win32RecentMenu>(GetSubMenu(SubMenu(ConsoleMenu::Album), 15), IDM_RECENT);
    recentFiles_ = std::make_unique<CRecentFiles>(
        *recentMenu_, platform_.registry, platform_.textCase, [this](const std::string& path) {
            return GetLongPath(platform_.paths, platform_.textCase, path);
        });
    lyrics_ = std::make_unique<frmLyrics>(instance_, platform_.registry, platform_.files,
                                          platform_.messages, *formWindow_, platform_.codePages);
    box_ = std::make_unique<CJukeBox>(JukeBoxServices{
        *this, *list_, *mciModule_, platform_.files, platform_.paths, platform_.textCase,
        platform_.messages, platform_.dialogs, platform_.printing, platform_.shell, *lyrics_,
        platform_.pointer, platform_.registry, platform_.codePages});
    commands_ = std::make_unique<ConsoleCommands>(ConsoleCommands::Services{
        *box_, *list_, *recentFiles_, *this, platform_.messages, platform_.desktop,
        platform_.registry, *finder_, platform_.files, platform_.textCase});
    MarkRadioItems();
    box_->Init();
    FormMoveSettings = {Options.EasyMove(), Options.SnapEnabled(), Options.SnapDistance()};
    formUtils_->SubClass();
    formUtils_->ReadWindowSettings("Console", 1500, 1500, 6900, 5235);
    list_->Init(songs_, kPlaylistColumns, 1);
    list_->ReadSettings("Songs", {150, 100, 100, 45, 350});
    recentFiles_->Init(Options.RecentCount());
    trayIcon_.SetClickHandler([this](int message) { TrayIcon_Click(message); });
    trayIcon_.Add(hwnd_, LoadIconA(instance_, MAKEINTRESOURCEA(IDI_PROGRAM)), "Brambletune");
    CheckColors();
    CheckFonts();
    box_->dirty = false;
    SetTimer(hwnd_, kTimerId, 100, nullptr);
}

bool frmConsole::CloseDocuments() {
    volume_.reset();
    if (song_) song_->Close();
    EnableWindow(hwnd_, FALSE);
    // Cancel to the lyrics window's save question, or an album save that was
    // cancelled or failed, keeps the program running with its work.
    const bool closed = lyrics_->Unload() && commands_->CloseAlbum();
    EnableWindow(hwnd_, TRUE);
    return closed;
}

void frmConsole::Form_Unload() {
    if (unloading_) return;
    unloading_ = true;
    if (!CloseDocuments()) {
        unloading_ = false;
        return;
    }
    EnableWindow(hwnd_, FALSE);
    KillTimer(hwnd_, kTimerId);
    box_->Terminate();
    const bool notNormal = IsIconic(hwnd_) || IsZoomed(hwnd_);
    formUtils_->SaveWindowSettings("Console", notNormal, normal_.left, normal_.top,
                                   normal_.right - normal_.left, normal_.bottom - normal_.top);
    list_->SaveSettings("Songs");
    recentFiles_.reset();
    trayIcon_.Delete();
    hotKeys_.Unregister();
    formUtils_->UnSubClass();
    if (unhookInstance_) unhookInstance_();
    DestroyWindow(hwnd_);
}

void frmConsole::Unload() {
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
}

void frmConsole::Form_Resize(WPARAM sizeType) {
    if (!box_) return;
    if (sizeType == SIZE_MINIMIZED) {
        // Without an icon to click, a hidden console could never be brought back.
        if (trayIcon_.Shown()) ShowWindow(hwnd_, SW_HIDE);
        if (song_) song_->Close();
        return;
    }
    if (sizeType == SIZE_RESTORED) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        normal_ = {Twips(r.left), Twips(r.top), Twips(r.right), Twips(r.bottom)};
    }
    RECT inner;
    GetClientRect(hwnd_, &inner);
    if (layout_.Resize(Twips(inner.right), Twips(inner.bottom), Options.DisplayState()))
        PlaceControls();
}

void frmConsole::PlaceControls() {
    const ConsoleLayout::Parts& p = layout_.parts();
    const auto place = [&](HWND control, int left, int top, int width, int height) {
        MoveWindow(control, Px(left), MulDiv(top, dpiY_, 1440), Px(width),
                   MulDiv(height, dpiY_, 1440), TRUE);
    };
    for (const ButtonPlace& b : kButtons)
        place(cmdCtrls_[static_cast<std::size_t>(b.index)], p.frameLeft + b.left, kButtonTop,
              kButtonWidth, kButtonHeight);
    for (const OptionPlace& o : kOptions)
        place(optMode_[static_cast<std::size_t>(o.index)], p.frameLeft + o.left, kOptionTop,
              kOptionSize, kOptionSize);
    place(chkRepeatAll_, p.frameLeft + kRepeatAllLeft, kOptionTop, kOptionSize, kOptionSize);
    place(icon_, p.iconLeft, 150, 480, 480);
    ShowWindow(songs_, p.listVisible ? SW_SHOW : SW_HIDE);
    ShowWindow(slider_, p.sliderVisible ? SW_SHOW : SW_HIDE);
    if (p.listVisible)
        place(songs_, ConsoleLayout::kMargin, ConsoleLayout::kPanelHeight, p.listWidth,
              p.listHeight);
    place(slider_, ConsoleLayout::kMargin, p.sliderTop, p.listWidth, ConsoleLayout::kSliderHeight);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void frmConsole::ApplyDisplayState(std::int32_t state) {
    RECT outer, inner;
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &inner);
    frameHeight_ = Twips((outer.bottom - outer.top) - inner.bottom);
    const ConsoleLayout::StateLimits limits =
        layout_.State(state, frameHeight_, Twips(inner.bottom));
    formUtils_->SetMinMaxSize(limits.minWidth, limits.minHeight, limits.maxWidth, limits.maxHeight);
    if (limits.windowHeight || limits.windowWidth) {
        const int width = limits.windowWidth ? Px(limits.windowWidth) : outer.right - outer.left;
        const int height = limits.windowHeight ? MulDiv(limits.windowHeight, dpiY_, 1440)
                                               : outer.bottom - outer.top;
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
    layout_.Resize(Twips(inner.right), -1, state);
    GetClientRect(hwnd_, &inner);
    layout_.Resize(Twips(inner.right), Twips(inner.bottom), state);
    PlaceControls();
}

void frmConsole::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < kLabels; ++i) {
        const bool hidden = i == 6 && !repeatAllShown_;
        SetTextColor(dc, hidden ? Options.BackgroundColor() : Options.TextColor());
        HGDIOBJ old = SelectObject(dc, (lbl_[i].displayFont || (i >= 4 && i <= 6)) && displayFont_
                                           ? displayFont_
                                           : GetStockObject(DEFAULT_GUI_FONT));
        RECT r = ToPixels(lbl_[i].twips);
        DrawTextA(dc, lbl_[i].text.c_str(), -1, &r,
                  DT_LEFT | DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX);
        SelectObject(dc, old);
    }
    // The volume indicator: three rising bars.
    HPEN pen = CreatePen(PS_SOLID, 2, Options.TextColor());
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const RECT v = ToPixels(lbl_[11].twips);
    for (int bar = 0; bar < 3; ++bar) {
        const int x = v.left + 3 + bar * 5;
        MoveToEx(dc, x, v.bottom - 2, nullptr);
        LineTo(dc, x, v.bottom - 5 - bar * 4);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    EndPaint(hwnd_, &ps);
}

int frmConsole::LabelAt(POINT at) const {
    for (int i = 0; i < kLabels; ++i) {
        const RECT r = ToPixels(lbl_[i].twips);
        if (PtInRect(&r, at)) return i;
    }
    return -1;
}

void frmConsole::OnMouseDown(POINT at, bool doubleClick) {
    if (doubleClick) {
        box_->ChangeWindowState(-1);
        return;
    }
    formUtils_->Move();
    OnLabelClick(at);
}

// Either button runs a label's action; only the left one drags the window.
void frmConsole::OnLabelClick(POINT at) {
    const int label = LabelAt(at);
    if (label >= 0) commands_->lbl_MouseDown(label);
}

void frmConsole::OnSliderMouse(UINT message) {
    if (message == WM_LBUTTONDOWN) box_->SLDMouseDown(1);
    if (message == WM_MOUSEMOVE && (GetKeyState(VK_LBUTTON) < 0)) box_->SLDMouseMove(1);
    if (message == WM_LBUTTONUP) box_->SLDMouseUp(1);
}

void frmConsole::OnDrop(HDROP drop) {
    if (!DroppedOnPlaylist(drop)) {
        DragFinish(drop);
        return;
    }
    std::vector<std::string> files;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // Asked for its length first: a path may be longer than MAX_PATH.
        std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
        path.resize(DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size())));
        files.push_back(std::move(path));
    }
    DragFinish(drop);
    // A folder search pumps messages: the console stays closed to the user
    // until it is done, so it cannot be closed under the search.
    EnableWindow(hwnd_, FALSE);
    RunGuarded(hwnd_, [&] { commands_->Drop(files); });
    EnableWindow(hwnd_, TRUE);
}

// The whole console accepts files so the list view's drops reach it; only those
// on the playlist are taken.
bool frmConsole::DroppedOnPlaylist(HDROP drop) const {
    POINT at{};
    DragQueryPoint(drop, &at);
    if (!IsWindowVisible(songs_)) return false;
    RECT list;
    GetWindowRect(songs_, &list);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&list), 2);
    return PtInRect(&list, at) != FALSE;
}

HMENU frmConsole::SubMenu(ConsoleMenu menu) const {
    switch (menu) {
    case ConsoleMenu::Remove: return GetSubMenu(GetSubMenu(menu_, 3), 3);
    case ConsoleMenu::Sort: return GetSubMenu(GetSubMenu(menu_, 3), 4);
    case ConsoleMenu::Recent: return GetSubMenu(GetSubMenu(menu_, 0), 15);
    default: return GetSubMenu(menu_, static_cast<int>(menu));
    }
}

void frmConsole::MarkRadioItems() {
    for (const int index : {0, 1, 2, 6, 7}) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(SubMenu(ConsoleMenu::Mode), static_cast<UINT>(index), TRUE, &item);
        item.fType |= MFT_RADIOCHECK;
        SetMenuItemInfoA(SubMenu(ConsoleMenu::Mode), static_cast<UINT>(index), TRUE, &item);
    }
}

void frmConsole::OnCommand(UINT id) {
    if (id >= IDM_RECENT && id < IDM_RECENT + 100) {
        const std::size_t entry = id - IDM_RECENT - 1;
        if (entry < recentFiles_->Files().size())
            commands_->mnuRecent_Click(recentFiles_->Files()[entry]);  // copied by the call
        return;
    }
    if (id < IDM_BASE || id >= IDM_BASE + 1000) return;
    const int menu = static_cast<int>(id - IDM_BASE) / 100;
    const int index = static_cast<int>(id - IDM_BASE) % 100;
    switch (menu) {
    case 0: commands_->mnuAlbum_Click(index); break;
    case 1: commands_->mnuSong_Click(index); break;
    case 2: commands_->mnuMode_Click(index); break;
    case 3: commands_->mnuPlayList_Click(index); break;
    case 4: commands_->mnuHelp_Click(index); break;
    case 5: commands_->mnuListPopup_Click(index); break;
    case 6: commands_->mnuTrayPopup_Click(index); break;
    case 7: commands_->mnuRemove_Click(index); break;
    case 8: commands_->mnuSort_Click(index); break;
    default: break;
    }
}

LRESULT frmConsole::OnNotify(NMHDR& header) {
    if (header.hwndFrom != songs_) return 0;
    LRESULT result = 0;
    if (list_->OnNotify(&header, result)) return result;
    switch (header.code) {
    case NM_DBLCLK: commands_->mnuSong_Click(0); break;
    case NM_CLICK: box_->CalculateSelectedLength(); break;
    case NM_RCLICK:
        if (box_->list.IsEmpty()) break;
        if (list_->SelectedItem() > 0)
            ListView_EnsureVisible(songs_, list_->SelectedItem() - 1, FALSE);
        PopupMenu(0);
        break;
    default: break;
    }
    return 0;
}

void frmConsole::PopupMenu(int which) {
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(hwnd_);
    TrackPopupMenu(GetSubMenu(popups_, which), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
}

bool frmConsole::PreTranslate(MSG& msg) {
    if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    if (keys_ && TranslateAcceleratorA(hwnd_, keys_, &msg)) return true;
    if (msg.message == WM_CHAR) {
        if (commands_->Form_KeyPress(static_cast<char>(msg.wParam))) return true;
        // The playlist gets no type-ahead search.
        return msg.hwnd == songs_;
    }
    if (msg.message == WM_KEYUP) {
        if (GetKeyState(VK_CONTROL) < 0) commands_->Form_KeyUp(static_cast<char>(msg.wParam), true);
        if (msg.hwnd == songs_) box_->CalculateSelectedLength();
    }
    return false;
}

void frmConsole::TrayIcon_Click(int message) {
    if (!IsWindowEnabled(hwnd_)) return;
    if (message == WM_LBUTTONUP) {
        if (!IsIconic(hwnd_)) {
            ShowWindow(hwnd_, SW_MINIMIZE);
            return;
        }
        ShowWindow(hwnd_, SW_RESTORE);
        if (Options.OnTop()) {
            formUtils_->ZOnTop();
            if (lyrics_->IsShown()) lyrics_->formUtils()->ZOnTop();
        }
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
    } else if (message == WM_RBUTTONUP) {
        PopupMenu(1);
    }
}

void frmConsole::ShowTips() {
    frmTips tips(instance_, platform_.registry, [this] { return box_->Random(); });
    tips.ShowModal(hwnd_);
}

void frmConsole::ShowAbout() {
    frmAbout about(instance_, platform_.registry);
    about.ShowModal(hwnd_);
}

void frmConsole::ShowVolume() {
    if (!volume_) volume_ = std::make_unique<frmVolume>(instance_, platform_.registry, mixer_);
    // Just below the volume area: the offsets count from the outer corner, so
    // the caption and menu height (the frame height) is added.
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    volume_->Show(hwnd_, Twips(outer.left) + 2490,
                  MulDiv(outer.top, 1440, dpiY_) + frameHeight_ + 690);
}

void frmConsole::Starter(const std::string& path, bool firstInstance) {
    formUtils_->ZOnTop();
    formUtils_->SetForeground();
    if (!Options.OnTop()) formUtils_->ZNormal();
    if (!path.empty())
        box_->PlayFile(path);
    else if (firstInstance)
        box_->PlayRecent();
}

void frmConsole::CheckColors() {
    if (background_) DeleteObject(background_);
    background_ = CreateSolidBrush(Options.BackgroundColor());
    ListView_SetBkColor(songs_, Options.BackgroundColor());
    ListView_SetTextBkColor(songs_, Options.BackgroundColor());
    ListView_SetTextColor(songs_, Options.TextColor());
    InvalidateRect(hwnd_, nullptr, TRUE);
    InvalidateRect(songs_, nullptr, TRUE);
}

void frmConsole::CheckFonts() {
    HDC dc = GetDC(hwnd_);
    HFONT list = MakeFont(0, dc);
    HFONT display = MakeFont(1, dc);
    ReleaseDC(hwnd_, dc);
    if (list) {
        SendMessageA(songs_, WM_SETFONT, reinterpret_cast<WPARAM>(list), TRUE);
        if (listFont_) DeleteObject(listFont_);
        listFont_ = list;
    }
    if (display) {
        if (displayFont_) DeleteObject(displayFont_);
        displayFont_ = display;
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace brambletune
