#include "jukebox/console/frmAddFolder.h"

#include <string>
#include <vector>

#include "jukebox/console/AddFolderSearch.h"
#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/DialogProc.h"
#include "jukebox/console/MFindFile.h"
#include "jukebox/console/PlaylistRows.h"
#include "jukebox/console/Win32BrowseForFolder.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/settings/MJukebox.h"
#include "res/resource.h"

namespace brambletune {

frmAddFolder::frmAddFolder(HINSTANCE instance, RegistryStore& registry, MFindFile& finder,
                           CJukeBox& box, PlaylistRows& rows, MessageBoxService& messages)
    : instance_(instance),
      registry_(registry),
      finder_(finder),
      box_(box),
      rows_(rows),
      messages_(messages) {}

frmAddFolder::~frmAddFolder() = default;

void frmAddFolder::ShowModal(HWND owner) {
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_ADD_FOLDER), owner, DialogProcOf<frmAddFolder>,
                    reinterpret_cast<LPARAM>(this));
}

INT_PTR frmAddFolder::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: Form_Load(); return TRUE;
    case WM_LBUTTONDOWN: formUtils_->Move(); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) cmdOK_Click();
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog_, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY: formUtils_.reset(); return FALSE;
    default: return FALSE;
    }
}

void frmAddFolder::Form_Load() {
    window_ = std::make_unique<Win32FormWindow>(dialog_);
    formUtils_ = std::make_unique<CFormUtils>(*window_, registry_);
    if (Options.OnTop()) formUtils_->ZOnTop();
    HWND types = GetDlgItem(dialog_, IDC_ADD_FOLDER_TYPE);
    for (int i = 0; i < kFolderFileTypes; ++i)
        SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FileTypeName(i).c_str()));
    SendMessageA(types, CB_SETCURSEL, 0, 0);
}

void frmAddFolder::cmdOK_Click() {
    const auto index = static_cast<std::int32_t>(
        SendDlgItemMessageA(dialog_, IDC_ADD_FOLDER_TYPE, CB_GETCURSEL, 0, 0));
    std::string folder;
    if (!BrowseForFolder(
            dialog_,
            "Select a folder in which to search for files matching type:\r\n" + FileTypeName(index),
            1, folder))
        return;
    std::int32_t folders = 0;
    std::int32_t files = 0;
    finder_.FindFiles(folder, FileTypePatterns(index), folders, files);
    // The search handles messages; keep its results before anything else runs.
    const std::vector<std::string> found(finder_.FoundFiles.begin(),
                                         finder_.FoundFiles.begin() + files);
    for (const std::string& path : found) box_.AddByPath(path);
    messages_.Show(SearchResultsText(files, folders), "Search Results",
                   MessageBoxService::kIconInformation);
    if (files > 0 && rows_.Count() > 0) rows_.SetSelectedItem(1);
}

}  // namespace brambletune
