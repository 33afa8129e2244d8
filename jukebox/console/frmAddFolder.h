#pragma once

#include <windows.h>

#include <memory>

namespace brambletune {

class CFormUtils;
class CJukeBox;
class MFindFile;
class MessageBoxService;
class PlaylistRows;
class RegistryStore;
class Win32FormWindow;

// "Add all files from a folder": the user picks a file type and a folder; every
// matching file below it is added to the playlist.
class frmAddFolder {
public:
    frmAddFolder(HINSTANCE instance, RegistryStore& registry, MFindFile& finder, CJukeBox& box,
                 PlaylistRows& rows, MessageBoxService& messages);
    ~frmAddFolder();
    frmAddFolder(const frmAddFolder&) = delete;
    frmAddFolder& operator=(const frmAddFolder&) = delete;

    void ShowModal(HWND owner);

private:
    template <class Form>
    friend INT_PTR CALLBACK DialogProcOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    void cmdOK_Click();

    HINSTANCE instance_;
    RegistryStore& registry_;
    MFindFile& finder_;
    CJukeBox& box_;
    PlaylistRows& rows_;
    MessageBoxService& messages_;
    HWND dialog_ = nullptr;
    std::unique_ptr<Win32FormWindow> window_;
    std::unique_ptr<CFormUtils> formUtils_;
};

}  // namespace brambletune
