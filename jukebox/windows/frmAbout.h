#pragma once

#include <windows.h>

#include <memory>

namespace brambletune {

class CFormUtils;
class RegistryStore;
class Win32FormWindow;

// "About": the program's name and the version of its version resource.
class frmAbout {
public:
    frmAbout(HINSTANCE instance, RegistryStore& registry);
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    void ShowModal(HWND owner);

private:
    template <class Form>
    friend INT_PTR CALLBACK DialogProcOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();

    HINSTANCE instance_;
    RegistryStore& registry_;
    HWND dialog_ = nullptr;
    HFONT nameFont_ = nullptr;
    std::unique_ptr<Win32FormWindow> window_;
    std::unique_ptr<CFormUtils> formUtils_;
};

}  // namespace brambletune
