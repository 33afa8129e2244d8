#include "jukebox/windows/frmTips.h"

#include <string>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/DialogProc.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/windows/DialogResources.h"
#include "res/resource.h"

namespace brambletune {
namespace {

constexpr std::int32_t kWidth = 4965, kHeight = 4710;  // twips
constexpr std::int32_t kMinWidth = 3480, kMinHeight = 4020;
// The places the resize rules keep, in twips.
constexpr std::int32_t kLabelTop = 90, kLabelWidth = 1905, kLabelHeight = 285;
constexpr std::int32_t kTipLeft = 120, kTipTop = 375;
constexpr std::int32_t kButtonWidth = 1320, kButtonHeight = 345;
// The small program icon fits in the room above the tip box.
constexpr std::int32_t kImgLeft = 120, kImgTop = 60, kImgSize = 240;

}  // namespace

frmTips::frmTips(HINSTANCE instance, RegistryStore& registry, std::function<double()> random)
    : instance_(instance), registry_(registry), random_(std::move(random)) {}

frmTips::~frmTips() {
    if (labelFont_) DeleteObject(labelFont_);
    if (tipBrush_) DeleteObject(tipBrush_);
}

void frmTips::ShowModal(HWND owner) {
    RegisterDialogClass(instance_, "frmTips");
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_TIPS), owner, DialogProcOf<frmTips>,
                    reinterpret_cast<LPARAM>(this));
}

INT_PTR frmTips::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: Form_Load(); return FALSE;
    case WM_SIZE: Form_Resize(); return TRUE;
    case WM_LBUTTONDOWN: formUtils_->Move(); return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return OnColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_TIPS_NEXT) cmdTips_Click(1);
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) cmdTips_Click(0);
        return TRUE;
    case WM_DESTROY: Form_Unload(); return FALSE;
    default: return FALSE;
    }
}

void frmTips::Form_Load() {
    HDC dc = GetDC(dialog_);
    dpiX_ = GetDeviceCaps(dc, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(dialog_, dc);
    window_ = std::make_unique<Win32FormWindow>(dialog_);
    formUtils_ = std::make_unique<CFormUtils>(*window_, registry_);
    formUtils_->SetMinMaxSize(kMinWidth, kMinHeight, 0, 0);
    formUtils_->SubClass();
    const ScreenMetrics screen = window_->Screen();
    formUtils_->ReadWindowSettings("Tips", (screen.width * screen.twipsPerPixelX - kWidth) / 2,
                                   (screen.height * screen.twipsPerPixelY - kHeight) / 2, kWidth,
                                   kHeight);
    if (Options.OnTop()) formUtils_->ZOnTop();
    tipBrush_ = CreateSolidBrush(Options.BackgroundColor());
    labelFont_ = CreateNameFont(dialog_);
    SendDlgItemMessageA(dialog_, IDC_TIPS_LABEL, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_),
                        TRUE);
    auto* icon = static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 16, 16, LR_SHARED));
    SendDlgItemMessageA(dialog_, IDC_TIPS_IMG, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    Place(IDC_TIPS_IMG, kImgLeft, kImgTop, kImgSize, kImgSize);
    Form_Resize();
    cmdTips_Click(1);
    // On the tip box the whole hint would show selected.
    SetFocus(GetDlgItem(dialog_, IDOK));
}

void frmTips::Form_Resize() {
    if (!formUtils_ || IsIconic(dialog_)) return;
    RECT inner;
    GetClientRect(dialog_, &inner);
    if (!layout_.Resize(MulDiv(inner.right, 1440, dpiX_), MulDiv(inner.bottom, 1440, dpiY_)))
        return;
    const TipsLayout::Parts& p = layout_.parts();
    Place(IDC_TIPS_LABEL, p.labelLeft, kLabelTop, kLabelWidth, kLabelHeight);
    Place(IDC_TIPS_TEXT, kTipLeft, kTipTop, p.tipWidth, p.tipHeight);
    Place(IDOK, p.okLeft, p.buttonTop, kButtonWidth, kButtonHeight);
    Place(IDC_TIPS_NEXT, p.nextLeft, p.buttonTop, kButtonWidth, kButtonHeight);
    InvalidateRect(dialog_, nullptr, TRUE);
}

void frmTips::Place(int id, std::int32_t left, std::int32_t top, std::int32_t width,
                    std::int32_t height) {
    MoveWindow(GetDlgItem(dialog_, id), MulDiv(left, dpiX_, 1440), MulDiv(top, dpiY_, 1440),
               MulDiv(width, dpiX_, 1440), MulDiv(height, dpiY_, 1440), FALSE);
}

void frmTips::Form_Unload() {
    if (!formUtils_) return;
    formUtils_->SaveWindowSettings("Tips", false, 0, 0, 0, 0);
    formUtils_->UnSubClass();
    formUtils_.reset();
    window_.reset();
}

void frmTips::cmdTips_Click(int index) {
    if (index == 0) {
        EndDialog(dialog_, IDOK);
        return;
    }
    char text[1024] = {};
    LoadStringA(instance_, static_cast<UINT>(IDS_TIP_FIRST - 1 + TipNumber(random_())), text,
                sizeof(text));
    SetDlgItemTextA(dialog_, IDC_TIPS_TEXT, text);
}

INT_PTR frmTips::OnColor(HDC dc, HWND control) {
    if (GetDlgCtrlID(control) != IDC_TIPS_TEXT) return FALSE;
    SetTextColor(dc, Options.TextColor());
    SetBkColor(dc, Options.BackgroundColor());
    return reinterpret_cast<INT_PTR>(tipBrush_);
}

}  // namespace brambletune
