#pragma once

#include <windows.h>

#include "jukebox/playback/PrintService.h"

namespace brambletune {

// PrintService over PrintDlgA, owned by a window (or by none). The printer and
// settings chosen last are the current printer: the next dialog starts from
// them. Jobs are Win32Printer objects on the DC the dialog returns.
class Win32PrintService : public PrintService {
public:
    explicit Win32PrintService(HWND owner = nullptr) : owner_(owner) {}
    ~Win32PrintService() override;
    Win32PrintService(const Win32PrintService&) = delete;
    Win32PrintService& operator=(const Win32PrintService&) = delete;

    void SetOwner(HWND owner) { owner_ = owner; }
    std::unique_ptr<Printer> ChoosePrinter(bool& selectedOnly, std::string& error) override;

private:
    HWND owner_;
    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
};

}  // namespace brambletune
