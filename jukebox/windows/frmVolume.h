#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

namespace brambletune {

class CFormUtils;
class CVolume;
class MixerApi;
class RegistryStore;
class Win32FormWindow;
class Win32WindowHook;

// The volume pop-up: one slider that sets the master volume while it moves.
// It closes on a click beside the slider, on Esc, and as soon as the slider
// loses the input focus, so a click anywhere else puts it away. The mixer is
// open only while the window is.
class frmVolume {
public:
    frmVolume(HINSTANCE instance, RegistryStore& registry, MixerApi& mixer);
    ~frmVolume();
    frmVolume(const frmVolume&) = delete;
    frmVolume& operator=(const frmVolume&) = delete;

    // Opens the pop-up modeless, owned by owner, its top-left corner at the
    // given screen position in twips; an open pop-up is closed first.
    void Show(HWND owner, std::int32_t leftTwips, std::int32_t topTwips);
    void Close();
    HWND handle() const { return dialog_; }

private:
    template <class Form>
    friend INT_PTR CALLBACK DialogProcOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    void Form_Unload();
    void sld_Change();

    HINSTANCE instance_;
    RegistryStore& registry_;
    MixerApi& mixer_;
    HWND dialog_ = nullptr;
    HWND slider_ = nullptr;
    std::unique_ptr<Win32FormWindow> window_;
    std::unique_ptr<CFormUtils> formUtils_;
    std::unique_ptr<CVolume> volume_;
    std::unique_ptr<Win32WindowHook> sliderHook_;
};

}  // namespace brambletune
