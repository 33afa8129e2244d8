#include "jukebox/windows/frmLyrics.h"

#include <commctrl.h>

#include <climits>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/DialogProc.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/windows/DialogResources.h"
#include "res/resource.h"

namespace brambletune {
namespace {

constexpr const char* kClassName = "frmLyrics";
constexpr const char* kWindowName = "Lyrics";
constexpr int kLyricsFontSlot = 2;
constexpr int kKeep = INT_MIN;  // leaves a control's coordinate as it is

// Moves a control in the dialog (pixels); kKeep keeps that coordinate.
void MoveControl(HWND dialog, int id, int left, int top, int width, int height) {
    HWND control = GetDlgItem(dialog, id);
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    MoveWindow(control, left == kKeep ? r.left : left, top == kKeep ? r.top : top,
               width == kKeep ? r.right - r.left : width,
               height == kKeep ? r.bottom - r.top : height, TRUE);
}

}  // namespace

frmLyrics::frmLyrics(HINSTANCE instance, RegistryStore& registry, FileSystem& files,
                     MessageBoxService& messages, const FormWindow& console, const CodePages& pages)
    : instance_(instance),
      registry_(registry),
      console_(console),
      editor_(*this, files, messages, pages) {}

frmLyrics::~frmLyrics() {
    formUtils_.reset();
    window_.reset();
    if (dialog_) DestroyWindow(dialog_);
    if (font_) DeleteObject(font_);
    if (background_) DeleteObject(background_);
    UnregisterClassA(kClassName, instance_);
}

void frmLyrics::Show() {
    if (!dialog_) {
        RegisterDialogClass(instance_, kClassName);
        CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_LYRICS), nullptr,
                           DialogProcOf<frmLyrics>, reinterpret_cast<LPARAM>(this));
        if (!dialog_) return;
    }
    ShowWindow(dialog_, SW_SHOW);
}

void frmLyrics::ShowLyrics(const CSong& song) {
    if (dialog_) editor_.ShowLyrics(song);
}

void frmLyrics::LoadSong(const CSong& song) {
    if (keptOpen_) {
        keptOpen_ = false;
        return;
    }
    ShowLyrics(song);
}

bool frmLyrics::Unload() {
    if (!dialog_) return true;
    if (editor_.QuerySaveLyrics()) return false;
    Form_Unload();
    return true;
}

INT_PTR frmLyrics::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: Form_Load(); return TRUE;
    case WM_LBUTTONDOWN: formUtils_->Move(); return TRUE;
    case WM_SIZE: Form_Resize(wParam); return TRUE;
    case WM_MOVE: Form_Resize(IsIconic(dialog_) ? SIZE_MINIMIZED : SIZE_RESTORED); return TRUE;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) != text_) return FALSE;
        return OnColorEdit(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDC_LYRICS_TEXT && code == EN_CHANGE) editor_.TextEdited();
        if ((id == IDC_LYRICS_CHECK || id == IDC_LYRICS_CHECK + 1) && code == BN_CLICKED)
            chkLyrics_Click(id - IDC_LYRICS_CHECK);
        if (id == IDOK || id == IDCANCEL) Unload();
        return TRUE;
    }
    case WM_CLOSE: Unload(); return TRUE;
    default: return FALSE;
    }
}

void frmLyrics::Form_Load() {
    text_ = GetDlgItem(dialog_, IDC_LYRICS_TEXT);
    SendMessageA(text_, EM_LIMITTEXT, 0, 0);  // lyrics may be longer than 32K
    HDC dc = GetDC(dialog_);
    dpiX_ = GetDeviceCaps(dc, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(dialog_, dc);
    window_ = std::make_unique<Win32FormWindow>(dialog_);
    formUtils_ = std::make_unique<CFormUtils>(*window_, registry_);
    if (Options.OnTop()) formUtils_->ZOnTop();
    formUtils_->SetMinMaxSize(LyricsLayout::kMinWidth, LyricsLayout::kMinHeight, 0, 0);
    formUtils_->SubClass();
    RECT ok;
    GetWindowRect(GetDlgItem(dialog_, IDOK), &ok);
    layout_.emplace(TwipsX(ok.right - ok.left));
    formUtils_->ReadWindowSettings(kWindowName, 1500, 1500, LyricsLayout::kDefaultWidth,
                                   LyricsLayout::kDefaultHeight);
    if (console_.State() != WindowState::Minimized) formUtils_->SetLeftRightOfParent(console_);
    Form_Resize(IsZoomed(dialog_) ? SIZE_MAXIMIZED : SIZE_RESTORED);
    CheckColors();
    CheckFonts();
    AddCheckBoxTips();
    CheckLyricsBoxes();
    LyricsShowing = true;
}

void frmLyrics::CheckLyricsBoxes() {
    if (!dialog_) return;
    CheckDlgButton(dialog_, IDC_LYRICS_CHECK, Options.AutoOpenLyrics() ? BST_CHECKED : 0);
    CheckDlgButton(dialog_, IDC_LYRICS_CHECK + 1, Options.AutoCloseLyrics() ? BST_CHECKED : 0);
}

// The boxes' captions are longer than a box of the window's usual width shows.
void frmLyrics::AddCheckBoxTips() {
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog_,
                                nullptr, instance_, nullptr);
    SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, Px(4000));
    for (int i = 0; i < 2; ++i) {
        HWND box = GetDlgItem(dialog_, IDC_LYRICS_CHECK + i);
        char caption[128];
        GetWindowTextA(box, caption, sizeof(caption));
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = dialog_;
        tool.uId = reinterpret_cast<UINT_PTR>(box);
        tool.lpszText = caption;
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void frmLyrics::Form_Unload() {
    const bool notNormal = IsIconic(dialog_) || IsZoomed(dialog_);
    formUtils_->SaveWindowSettings(kWindowName, notNormal, normal_.left, normal_.top,
                                   normal_.right - normal_.left, normal_.bottom - normal_.top);
    formUtils_->UnSubClass();
    LyricsShowing = false;
    formUtils_.reset();
    window_.reset();
    layout_.reset();
    HWND dialog = dialog_;
    dialog_ = nullptr;
    text_ = nullptr;
    DestroyWindow(dialog);
}

void frmLyrics::Form_Resize(WPARAM sizeType) {
    if (!layout_ || sizeType == SIZE_MINIMIZED) return;
    if (sizeType == SIZE_RESTORED && !IsZoomed(dialog_)) {
        RECT r;
        GetWindowRect(dialog_, &r);
        normal_ = {TwipsX(r.left), TwipsY(r.top), TwipsX(r.right), TwipsY(r.bottom)};
    }
    RECT inner;
    GetClientRect(dialog_, &inner);
    if (!layout_->Resize(TwipsX(inner.right), TwipsY(inner.bottom))) return;
    const LyricsLayout::Places& p = layout_->places();
    MoveControl(dialog_, IDC_LYRICS_TEXT, kKeep, kKeep, Px(p.textWidth), Py(p.textHeight));
    MoveControl(dialog_, IDOK, Px(p.okLeft), Py(p.okTop), kKeep, kKeep);
    for (int i = 0; i < 2; ++i)
        MoveControl(dialog_, IDC_LYRICS_CHECK + i, Px(p.checkLeft[i]), Py(p.checkTop),
                    Px(p.checkWidth), kKeep);
    MoveControl(dialog_, IDC_LYRICS_PICTURE, kKeep, Py(p.pictureTop), kKeep, kKeep);
    InvalidateRect(dialog_, nullptr, TRUE);
}

void frmLyrics::CheckColors() {
    if (background_) DeleteObject(background_);
    background_ = CreateSolidBrush(Options.BackgroundColor());
    if (text_) InvalidateRect(text_, nullptr, TRUE);
}

void frmLyrics::CheckFonts() {
    const std::string name = Options.FontName(kLyricsFontSlot);
    if (name.empty() || !dialog_) return;
    HDC dc = GetDC(dialog_);
    // The stored size is points x 10000.
    const int height = -MulDiv(static_cast<int>(Options.FontSizeRaw(kLyricsFontSlot)),
                               GetDeviceCaps(dc, LOGPIXELSY), 72 * 10000);
    ReleaseDC(dialog_, dc);
    HFONT font = CreateFontA(
        height, 0, 0, 0, Options.FontWeight(kLyricsFontSlot), Options.FontItalic(kLyricsFontSlot),
        FALSE, FALSE, static_cast<BYTE>(Options.FontCharset(kLyricsFontSlot)), OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, name.c_str());
    if (!font) return;
    SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_) DeleteObject(font_);
    font_ = font;
}

INT_PTR frmLyrics::OnColorEdit(HDC dc) {
    SetTextColor(dc, Options.TextColor());
    SetBkColor(dc, Options.BackgroundColor());
    return reinterpret_cast<INT_PTR>(background_);
}

void frmLyrics::chkLyrics_Click(int index) {
    const bool checked = IsDlgButtonChecked(dialog_, IDC_LYRICS_CHECK + index) == BST_CHECKED;
    if (index == 0)
        Options.SetAutoOpenLyrics(checked);
    else
        Options.SetAutoCloseLyrics(checked);
}

std::string frmLyrics::Text() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(text_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(text_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void frmLyrics::SetText(const std::string& text) {
    SetWindowTextA(text_, text.c_str());
}

void frmLyrics::SetCaption(const std::string& caption) {
    SetWindowTextA(dialog_, caption.c_str());
}

int frmLyrics::Px(int twips) const {
    return MulDiv(twips, dpiX_, 1440);
}
int frmLyrics::Py(int twips) const {
    return MulDiv(twips, dpiY_, 1440);
}
int frmLyrics::TwipsX(int pixels) const {
    return MulDiv(pixels, 1440, dpiX_);
}
int frmLyrics::TwipsY(int pixels) const {
    return MulDiv(pixels, 1440, dpiY_);
}

}  // namespace brambletune
