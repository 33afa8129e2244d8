#include "jukebox/windows/frmAbout.h"

#include <string>
#include <vector>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/DialogProc.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/windows/DialogResources.h"
#include "jukebox/windows/VersionText.h"
#include "res/resource.h"

namespace brambletune {
namespace {

// The version text of the module's own version resource; empty without one.
std::string ModuleVersionText(HINSTANCE instance) {
    char path[MAX_PATH] = {};
    if (!GetModuleFileNameA(instance, path, MAX_PATH)) return {};
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return {};
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data())) return {};
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info)
        return {};
    return VersionText(HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                       HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
}

}  // namespace

frmAbout::frmAbout(HINSTANCE instance, RegistryStore& registry)
    : instance_(instance), registry_(registry) {}

frmAbout::~frmAbout() {
    if (nameFont_) DeleteObject(nameFont_);
}

void frmAbout::ShowModal(HWND owner) {
    RegisterDialogClass(instance_, "frmAbout");
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_ABOUT), owner, DialogProcOf<frmAbout>,
                    reinterpret_cast<LPARAM>(this));
}

INT_PTR frmAbout::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: Form_Load(); return TRUE;
    case WM_LBUTTONDOWN: formUtils_->Move(); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog_, IDOK);
        return TRUE;
    case WM_DESTROY:
        formUtils_.reset();
        window_.reset();
        return FALSE;
    default: return FALSE;
    }
}

void frmAbout::Form_Load() {
    window_ = std::make_unique<Win32FormWindow>(dialog_);
    formUtils_ = std::make_unique<CFormUtils>(*window_, registry_);
    if (Options.OnTop()) formUtils_->ZOnTop();
    nameFont_ = CreateNameFont(dialog_);
    SendDlgItemMessageA(dialog_, IDC_ABOUT_LBL + 1, WM_SETFONT, reinterpret_cast<WPARAM>(nameFont_),
                        TRUE);
    SetDlgItemTextA(dialog_, IDC_ABOUT_LBL, ModuleVersionText(instance_).c_str());
}

}  // namespace brambletune
