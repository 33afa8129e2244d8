#pragma once

#include <windows.h>

#include "jukebox/playback/FileDialogs.h"

namespace brambletune {

// FileDialogs over GetOpenFileNameA and GetSaveFileNameA, owned by a window
// (or by none). A dialog that fails (for instance a selection too long for
// the buffer) counts as cancelled.
class Win32FileDialogs : public FileDialogs {
public:
    explicit Win32FileDialogs(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    bool ChooseOpen(const FileDialogRequest& request, FileDialogResult& result) override;
    bool ChooseSave(const FileDialogRequest& request, FileDialogResult& result) override;

private:
    HWND owner_;
};

}  // namespace brambletune
