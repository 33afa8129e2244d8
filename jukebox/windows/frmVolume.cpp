#include "jukebox/windows/frmVolume.h"

#include <commctrl.h>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/DialogProc.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/console/Win32WindowHook.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/windows/CVolume.h"
#include "jukebox/windows/DialogResources.h"
#include "res/resource.h"

namespace brambletune {

frmVolume::frmVolume(HINSTANCE instance, RegistryStore& registry, MixerApi& mixer)
    : instance_(instance), registry_(registry), mixer_(mixer) {}

frmVolume::~frmVolume() {
    Close();
}

void frmVolume::Show(HWND owner, std::int32_t leftTwips, std::int32_t topTwips) {
    Close();
    RegisterDialogClass(instance_, "frmVolume");
    CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_VOLUME), owner, DialogProcOf<frmVolume>,
                       reinterpret_cast<LPARAM>(this));
    if (!dialog_) return;
    const ScreenMetrics screen = window_->Screen();
    SetWindowPos(dialog_, nullptr, leftTwips / screen.twipsPerPixelX,
                 topTwips / screen.twipsPerPixelY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(dialog_, SW_SHOW);
    SetForegroundWindow(dialog_);
    SetFocus(slider_);
}

void frmVolume::Close() {
    if (dialog_) DestroyWindow(dialog_);
}

INT_PTR frmVolume::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: Form_Load(); return FALSE;
    case WM_HSCROLL: sld_Change(); return TRUE;
    case WM_LBUTTONDOWN: Close(); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) Close();
        return TRUE;
    case WM_DESTROY: Form_Unload(); return FALSE;
    default: return FALSE;
    }
}

void frmVolume::Form_Load() {
    slider_ = GetDlgItem(dialog_, IDC_VOLUME_SLIDER);
    window_ = std::make_unique<Win32FormWindow>(dialog_);
    formUtils_ = std::make_unique<CFormUtils>(*window_, registry_);
    if (Options.OnTop()) formUtils_->ZOnTop();
    volume_ = std::make_unique<CVolume>(mixer_);
    SendMessageA(slider_, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(slider_, TBM_SETPOS, TRUE, volume_->Value());
    // Posted: the pop-up may not go while the focus is still changing hands.
    sliderHook_ =
        std::make_unique<Win32WindowHook>(slider_, [this](UINT message, WPARAM, LPARAM, LRESULT&) {
            if (message == WM_KILLFOCUS) PostMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
}

void frmVolume::Form_Unload() {
    sliderHook_.reset();
    volume_.reset();
    formUtils_.reset();
    window_.reset();
    dialog_ = nullptr;
    slider_ = nullptr;
}

void frmVolume::sld_Change() {
    volume_->SetValue(static_cast<std::int32_t>(SendMessageA(slider_, TBM_GETPOS, 0, 0)));
}

}  // namespace brambletune
