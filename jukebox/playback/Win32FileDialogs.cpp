#include <windows.h>
#include <commdlg.h>

#include "jukebox/playback/Win32FileDialogs.h"

#include <string>

#include "jukebox/model/Win32TextCase.h"
#include "jukebox/playback/FileDialogText.h"

namespace brambletune {
namespace {

// Room for thousands of names chosen at once in one folder.
constexpr DWORD kFileBufferChars = 1 << 20;

// The dialog's state for one call. It points into the request and into its own
// strings, so it lives no longer than the request and is never copied.
class FileDialogCall {
public:
    FileDialogCall(HWND owner, const FileDialogRequest& request, DWORD flags)
        : filter_(BuildDialogFilter(request.filters)), files_(kFileBufferChars, '\0') {
        ofn_.lStructSize = sizeof(ofn_);
        ofn_.hwndOwner = owner;
        ofn_.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
        ofn_.nFilterIndex = 1;
        ofn_.lpstrFile = files_.data();
        ofn_.nMaxFile = kFileBufferChars;
        ofn_.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
        ofn_.lpstrDefExt =
            request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
        ofn_.Flags = flags;
    }
    FileDialogCall(const FileDialogCall&) = delete;
    FileDialogCall& operator=(const FileDialogCall&) = delete;

    OPENFILENAMEA& Ofn() { return ofn_; }

    bool TakeResult(BOOL chosen, FileDialogResult& result) const {
        if (!chosen) return false;
        if (!ParseDialogFiles(files_, Win32TextCase(), result)) return false;
        result.filterIndex = static_cast<std::int32_t>(ofn_.nFilterIndex);
        return true;
    }

private:
    std::string filter_;
    std::string files_;
    OPENFILENAMEA ofn_{};
};

}  // namespace

// The dialogs leave the current folder alone: relative paths elsewhere would
// otherwise resolve against whatever folder the user last browsed.
bool Win32FileDialogs::ChooseOpen(const FileDialogRequest& request, FileDialogResult& result) {
    DWORD flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (request.multiSelect) flags |= OFN_ALLOWMULTISELECT;
    FileDialogCall call(owner_, request, flags);
    const BOOL chosen = GetOpenFileNameA(&call.Ofn());
    if (!chosen && CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
        MessageBoxA(owner_, "Too many files were chosen at once. Choose fewer files at a time.",
                    request.title.c_str(), MB_OK | MB_ICONEXCLAMATION);
    return call.TakeResult(chosen, result);
}

bool Win32FileDialogs::ChooseSave(const FileDialogRequest& request, FileDialogResult& result) {
    FileDialogCall call(owner_, request,
                        OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT |
                            OFN_NOCHANGEDIR);
    return call.TakeResult(GetSaveFileNameA(&call.Ofn()), result);
}

}  // namespace brambletune
