#include <windows.h>
#include <commdlg.h>
#include <cderr.h>
#include <winspool.h>

#include "jukebox/playback/Win32PrintService.h"

#include <cstdio>

#include "jukebox/playback/Win32Printer.h"

namespace brambletune {
namespace {

// Asked before the dialog: without printers it shows a warning of its own and,
// on some systems, returns as if the user had cancelled.
bool PrinterInstalled() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
    return needed > 0;
}

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
    if (!PrinterInstalled()) {
        error = "No printer is installed.";
        return nullptr;
    }
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
    if (!printer->Started()) {
        error = "The printer could not start the document.";
        return nullptr;
    }
    selectedOnly = (dialog.Flags & PD_SELECTION) != 0;
    return printer;
}

}  // namespace brambletune
