#include <windows.h>
#include <commdlg.h>

#include "jukebox/playback/Win32FileDialogs.h"

#include <string>

#include "jukebox/playback/FileDialogText.h"

namespace brambletune {
namespace {

constexpr DWORD kFileBufferChars = 12100;

// The dialog's state for one call; the strings it points into live as long as it does.
class FileDialogCall {
public:
    FileDialogCall(HWND owner, const FileDialogRequest& request, DWORD flags)
        : filter_(BuildDialogFilter(request.filters)),
          title_(request.title),
          extension_(request.defaultExtension),
          files_(kFileBufferChars, '\0') {
        ofn_.lStructSize = sizeof(ofn_);
        ofn_.hwndOwner = owner;
        ofn_.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
        ofn_.nFilterIndex = 1;
        ofn_.lpstrFile = files_.data();
        ofn_.nMaxFile = kFileBufferChars;
        ofn_.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
        ofn_.lpstrDefExt = extension_.empty() ? nullptr : extension_.c_str();
        ofn_.Flags = flags;
    }

    OPENFILENAMEA& Ofn() { return ofn_; }

    bool TakeResult(BOOL chosen, FileDialogResult& result) const {
        if (!chosen) return false;
        if (!ParseDialogFiles(files_, result)) return false;
        result.filterIndex = static_cast<std::int32_t>(ofn_.nFilterIndex);
        return true;
    }

private:
    std::string filter_;
    std::string title_;
    std::string extension_;
    std::string files_;
    OPENFILENAMEA ofn_{};
};

}  // namespace

bool Win32FileDialogs::ChooseOpen(const FileDialogRequest& request, FileDialogResult& result) {
    DWORD flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (request.multiSelect) flags |= OFN_ALLOWMULTISELECT;
    FileDialogCall call(owner_, request, flags);
    return call.TakeResult(GetOpenFileNameA(&call.Ofn()), result);
}

bool Win32FileDialogs::ChooseSave(const FileDialogRequest& request, FileDialogResult& result) {
    FileDialogCall call(owner_, request,
                        OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    return call.TakeResult(GetSaveFileNameA(&call.Ofn()), result);
}

}  // namespace brambletune
