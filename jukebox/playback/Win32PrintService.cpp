#include <windows.h>
#include <commdlg.h>
#include <cderr.h>

#include "jukebox/playback/Win32PrintService.h"

#include <cstdio>

#include "jukebox/playback/Win32Printer.h"

namespace brambletune {
namespace {

std::string PrintDialogError(DWORD code) {
    switch (code) {
    case PDERR_NODEFAULTPRN: return "No printer is installed.";
    case PDERR_PRINTERNOTFOUND: return "The chosen printer was not found.";
    case PDERR_CREATEICFAILURE:
    case PDERR_INITFAILURE: return "The printer could not be opened.";
    default: break;
    }
    char text[64];
    std::snprintf(text, sizeof(text), "The print dialog failed (error 0x%04lX).",
                  static_cast<unsigned long>(code));
    return text;
}

}  // namespace

Win32PrintService::~Win32PrintService() {
    if (devMode_ != nullptr) GlobalFree(devMode_);
    if (devNames_ != nullptr) GlobalFree(devNames_);
}

std::unique_ptr<Printer> Win32PrintService::ChoosePrinter(bool& selectedOnly, std::string& error) {
    selectedOnly = false;
    error.clear();
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.hDevMode = devMode_;
    dialog.hDevNames = devNames_;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE;
    const BOOL chosen = PrintDlgA(&dialog);
    // The dialog may have replaced the settings blocks; these are the ones to keep and free.
    devMode_ = dialog.hDevMode;
    devNames_ = dialog.hDevNames;
    if (!chosen) {
        const DWORD code = CommDlgExtendedError();
        if (code != 0) error = PrintDialogError(code);
        return nullptr;
    }
    if (dialog.hDC == nullptr) {
        error = "The printer could not be opened.";
        return nullptr;
    }
    auto printer = std::make_unique<Win32Printer>(dialog.hDC, Win32Printer::DcOwnership::Take);
    if (printer->Failed()) {
        error = "The printer could not start the document.";
        return nullptr;
    }
    selectedOnly = (dialog.Flags & PD_SELECTION) != 0;
    return printer;
}

}  // namespace brambletune
