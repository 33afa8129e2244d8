#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "jukebox/windows/TipsLayout.h"

namespace brambletune {

class CFormUtils;
class RegistryStore;
class Win32FormWindow;

// "Useful Tips & Hints": one hint at a time, drawn at random from the string
// table; a sizeable window whose placement is kept under "Tips".
class frmTips {
public:
    // random gives numbers in [0, 1): the program's generator.
    frmTips(HINSTANCE instance, RegistryStore& registry, std::function<double()> random);
    ~frmTips();
    frmTips(const frmTips&) = delete;
    frmTips& operator=(const frmTips&) = delete;

    void ShowModal(HWND owner);

private:
    template <class Form>
    friend INT_PTR CALLBACK DialogProcOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void cmdTips_Click(int index);
    INT_PTR OnColor(HDC dc, HWND control);
    void Place(int id, std::int32_t left, std::int32_t top, std::int32_t width,
               std::int32_t height);

    HINSTANCE instance_;
    RegistryStore& registry_;
    std::function<double()> random_;
    HWND dialog_ = nullptr;
    HFONT labelFont_ = nullptr;
    HBRUSH tipBrush_ = nullptr;
    int dpiX_ = 96, dpiY_ = 96;
    TipsLayout layout_;
    std::unique_ptr<Win32FormWindow> window_;
    std::unique_ptr<CFormUtils> formUtils_;
};

}  // namespace brambletune
