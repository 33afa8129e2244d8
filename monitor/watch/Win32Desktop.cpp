#include "monitor/watch/Win32Desktop.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <stdexcept>

#include "monitor/watch/PrinterTextJob.h"
#include "monitor/watch/SystemError.h"

namespace vigilon {
namespace {

// Owns a file handle.
class FileHandle {
public:
    explicit FileHandle(HANDLE h) : handle_(h) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Selects the initial folder once the browser is up.
int CALLBACK BrowseCallback(HWND hwnd, UINT msg, LPARAM, LPARAM data) {
    if (msg == BFFM_INITIALIZED && data) SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

// Frees a shell item list.
struct ItemList {
    LPITEMIDLIST items;
    ~ItemList() {
        if (items) CoTaskMemFree(items);
    }
};

std::runtime_error LastError() {
    return std::runtime_error(SystemErrorText(GetLastError()));
}

}  // namespace

std::optional<std::string> Win32Desktop::BrowseFolder(const std::string& initial) {
    char display[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner_;
    info.pszDisplayName = display;
    info.lpszTitle = "Directories to monitor";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
    ItemList chosen{SHBrowseForFolderA(&info)};
    if (!chosen.items) return std::nullopt;
    char path[MAX_PATH];
    if (!SHGetPathFromIDListA(chosen.items, path)) return std::nullopt;
    return std::string(path);
}

std::optional<std::string> Win32Desktop::ChooseSoundFile(const std::string& current) {
    char file[MAX_PATH] = "";
    lstrcpynA(file, current.c_str(), MAX_PATH);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter =
        "Wav files\0*.wav\0Doc files\0*.doc\0Program files\0*.exe\0Batch files\0*.bat\0"
        "Spreadsheet files\0*.xls\0All files\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameA(&ofn)) return std::nullopt;
    return std::string(file);
}

std::optional<std::string> Win32Desktop::ChooseLogFile(const std::string& proposed) {
    char file[MAX_PATH] = "";
    lstrcpynA(file, proposed.c_str(), MAX_PATH);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = "Text files\0*.txt\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = "Append log to Vigilon.txt file ";
    ofn.lpstrDefExt = "txt";
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;  // appending never replaces: no overwrite prompt
    if (!GetSaveFileNameA(&ofn)) return std::nullopt;
    return std::string(file);
}

std::unique_ptr<TextJob> Win32Desktop::StartPrintJob() {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner_;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    const BOOL ok = PrintDlgA(&pd);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
    if (!ok) {
        const DWORD error = CommDlgExtendedError();
        if (error == 0) return nullptr;  // cancelled
        if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) {
            throw std::runtime_error("There is no printer installed.");
        }
        throw std::runtime_error("The print dialog failed (error " + std::to_string(error) + ").");
    }
    if (!pd.hDC) throw std::runtime_error("The printer could not be opened.");
    return std::make_unique<PrinterTextJob>(pd.hDC, "Vigilon 2000");
}

void Win32Desktop::AppendToFile(const std::string& path, const std::string& text) {
    FileHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) throw LastError();
    DWORD written = 0;
    if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size()) {
        throw LastError();
    }
}

bool Win32Desktop::FileExists(const std::string& path) const {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32Desktop::ProgramFolder() const {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const auto slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

void Win32Desktop::Beep() {
    MessageBeep(MB_ICONEXCLAMATION);
}

bool Win32Desktop::ShellOpen(const std::string& path) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(owner_, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

void Win32Desktop::ShowError(const std::string& text) {
    MessageBoxA(owner_, text.c_str(), "Vigilon", MB_OK | MB_ICONERROR);
}

void Win32Desktop::SetStayOnTop(bool onTop) {
    SetWindowPos(owner_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace vigilon
