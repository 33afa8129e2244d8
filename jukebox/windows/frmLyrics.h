#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "jukebox/playback/LyricsView.h"
#include "jukebox/windows/LyricsEditor.h"
#include "jukebox/windows/LyricsLayout.h"

namespace brambletune {

class CFormUtils;
class CodePages;
class FileSystem;
class FormWindow;
class MessageBoxService;
class RegistryStore;
class Win32FormWindow;

// The lyrics window: a modeless window without owner that shows one song's
// lyrics file for editing. The object lives as long as the console; the window
// exists while it is shown. The rules are LyricsEditor's and LyricsLayout's.
class frmLyrics : public LyricsView, private LyricsText {
public:
    // console: the window this one is placed beside.
    frmLyrics(HINSTANCE instance, RegistryStore& registry, FileSystem& files,
              MessageBoxService& messages, const FormWindow& console, const CodePages& pages);
    ~frmLyrics() override;
    frmLyrics(const frmLyrics&) = delete;
    frmLyrics& operator=(const frmLyrics&) = delete;

    // Offers to save pending edits, then shows the song's lyrics.
    void ShowLyrics(const CSong& song);
    void CheckColors();
    void CheckFonts();
    // The two check boxes show the options as they are now.
    void CheckLyricsBoxes();
    // Offers to save pending edits, then closes the window; false when the
    // user kept it open.
    bool Unload();
    // Present only while the window is shown.
    CFormUtils* formUtils() { return formUtils_.get(); }

    // LyricsView
    bool IsShown() const override { return dialog_ != nullptr; }
    void Show() override;
    // The engine lets a window that stayed open load the new song at once: the
    // user who just cancelled is not asked a second time.
    void Close() override { keptOpen_ = !Unload(); }
    void LoadSong(const CSong& song) override;

private:
    // LyricsText
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetCaption(const std::string& caption) override;
    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(dialog_); }

    template <class Form>
    friend INT_PTR CALLBACK DialogProcOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    void Form_Unload();
    void AddCheckBoxTips();
    void Form_Resize(WPARAM sizeType);
    INT_PTR OnColorEdit(HDC dc);
    void chkLyrics_Click(int index);
    int Px(int twips) const;
    int Py(int twips) const;
    int TwipsX(int pixels) const;
    int TwipsY(int pixels) const;

    HINSTANCE instance_;
    RegistryStore& registry_;
    const FormWindow& console_;
    LyricsEditor editor_;
    HWND dialog_ = nullptr;
    HWND text_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH background_ = nullptr;
    int dpiX_ = 96, dpiY_ = 96;
    RECT normal_{};          // bounds in the normal state, twips
    bool keptOpen_ = false;  // the user cancelled the engine's Close
    std::optional<LyricsLayout> layout_;
    std::unique_ptr<Win32FormWindow> window_;
    std::unique_ptr<CFormUtils> formUtils_;
};

}  // namespace brambletune
