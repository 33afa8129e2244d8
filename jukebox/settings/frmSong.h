#pragma once

#include <windows.h>

#include <memory>

#include "jukebox/settings/SongDialog.h"
#include "jukebox/settings/SongDialogView.h"

namespace brambletune {

class CFormUtils;
class FormWindow;
class RegistryStore;
class Win32FormWindow;
class Win32WindowHook;

// The song dialog's window: one modeless dialog owned by the console, in find,
// song information or batch edit mode. Its rules live in SongDialog.
class frmSong : public SongDialogView {
public:
    // songs: the console's playlist view, whose row icons the dialog shows.
    frmSong(HINSTANCE instance, HWND owner, const FormWindow& ownerWindow, HWND songs,
            RegistryStore& registry, const SongDialogServices& services);
    ~frmSong() override;
    frmSong(const frmSong&) = delete;
    frmSong& operator=(const frmSong&) = delete;

    // Each closes the dialog that is showing (asking to save) and opens it anew.
    void ShowInfo(std::int32_t row);
    void ShowBatchEdit();
    void ShowFind(CSong& criteria);
    bool IsOpen() const { return dialog_ != nullptr; }
    // Closes the dialog as its Close button does, asking to save an edited song.
    void Close();
    void CheckColors();
    // The open dialog's window utilities, else nullptr.
    CFormUtils* formUtils() { return formUtils_.get(); }

    // SongDialogView
    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(dialog_); }
    std::string Text(int box) const override;
    void SetText(int box, const std::string& text) override;
    void SetGenreNames(const std::vector<std::string>& names) override;
    int GenreSelection() const override;
    void SelectGenre(int index) override;
    void SetCaption(const std::string& text) override;
    void SetButtonCaption(int button, const std::string& text) override;
    void EnableButton(int button, bool enable) override;
    void ShowButton(int button, bool show) override;
    void ShowRowIcon(std::int32_t row) override;
    void PopupID3Menu() override;
    void Unload() override;

private:
    template <class Form>
    friend INT_PTR CALLBACK DialogProcOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnColor(HDC dc);
    void OnCommand(WORD id, WORD code);
    bool Open(SongDialog::Mode mode);
    void Reveal();
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    void AddTooltip();
    bool cbo_KeyDown(UINT message);
    int Px(int twips) const;

    HINSTANCE instance_;
    HWND owner_;
    const FormWindow& ownerWindow_;
    HWND songs_;
    RegistryStore& registry_;
    SongDialog logic_;
    HWND dialog_ = nullptr;
    bool closing_ = false;  // the close (and its save question) is under way
    HWND tooltip_ = nullptr;
    HMENU menu_ = nullptr;
    HBRUSH background_ = nullptr;
    HICON rowIcon_ = nullptr;
    std::unique_ptr<Win32FormWindow> window_;
    std::unique_ptr<CFormUtils> formUtils_;
    std::unique_ptr<Win32WindowHook> genreHook_;
};

}  // namespace brambletune
