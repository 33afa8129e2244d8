#include "jukebox/settings/frmSong.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/DialogProc.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/console/Win32SortKey.h"
#include "jukebox/console/Win32WindowHook.h"
#include "jukebox/settings/MJukebox.h"
#include "res/resource.h"

namespace brambletune {
namespace {

constexpr int kLabels = 8;  // the seven boxes and the genre list
constexpr int kButtons = 5;

// Positions in twips.
constexpr int kMargin = 120;
constexpr int kLabelWidth = 960;
constexpr int kRowHeight = 375;
constexpr int kBoxHeight = 315;
constexpr int kButtonColumn = 1335;  // the buttons' left edge from the client's right edge
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 345;
constexpr int kGenreDropWidth = 2000;
constexpr int kPopupTop = 1358;

// The control beside each label, top to bottom: the genre list comes between year and lyrics.
constexpr int kRowControls[kLabels] = {IDC_SONG_TXT + 0, IDC_SONG_TXT + 1, IDC_SONG_TXT + 2,
                                       IDC_SONG_TXT + 3, IDC_SONG_TXT + 4, IDC_SONG_GENRE,
                                       IDC_SONG_TXT + 5, IDC_SONG_TXT + 6};

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

frmSong::frmSong(HINSTANCE instance, HWND owner, const FormWindow& ownerWindow, HWND songs,
                 RegistryStore& registry, const SongDialogServices& services)
    : instance_(instance),
      owner_(owner),
      ownerWindow_(ownerWindow),
      songs_(songs),
      registry_(registry),
      logic_(*this, services, SortedGenres(Win32SortKey())) {}

frmSong::~frmSong() {
    if (dialog_) DestroyWindow(dialog_);
    if (background_) DeleteObject(background_);
    if (rowIcon_) DestroyIcon(rowIcon_);
    if (menu_) DestroyMenu(menu_);
}

void frmSong::ShowInfo(std::int32_t row) {
    if (!Open(SongDialog::kInfo)) return;
    logic_.InitInfo(row);
    Reveal();
}

void frmSong::ShowBatchEdit() {
    if (!Open(SongDialog::kBatchEdit)) return;
    logic_.InitBatchEdit();
    Reveal();
}

void frmSong::ShowFind(CSong& criteria) {
    if (!Open(SongDialog::kFind)) return;
    logic_.InitFind(criteria);
    Reveal();
}

// Each mode keeps its own placement, so the window is made after the mode is set.
void frmSong::Close() {
    // A second close while the save question of the first is open would ask again.
    if (!dialog_ || closing_) return;
    closing_ = true;
    try {
        logic_.cmdSong_Click(SongDialog::kClose);
    } catch (...) {
        closing_ = false;
        throw;
    }
    closing_ = false;
}

bool frmSong::Open(SongDialog::Mode mode) {
    // The save question pumps messages while the dialog's procedure is still
    // running: a new mode now would destroy the dialog under it.
    if (closing_) return false;
    Close();
    if (dialog_) return false;
    logic_.SetMode(mode);
    CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_SONG), owner_, DialogProcOf<frmSong>,
                       reinterpret_cast<LPARAM>(this));
    return dialog_ != nullptr;
}

void frmSong::Reveal() {
    ShowWindow(dialog_, SW_SHOW);
    SetForegroundWindow(dialog_);
    // As Tab would: the dialog remembers the focus and the title's text is selected.
    SendMessageA(dialog_, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(dialog_, IDC_SONG_TXT)), TRUE);
}

INT_PTR frmSong::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: Form_Load(); return FALSE;
    case WM_SIZE: Form_Resize(); return TRUE;
    case WM_LBUTTONDOWN: formUtils_->Move(); return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return OnColor(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_CLOSE: Close(); return TRUE;
    case WM_DESTROY: Form_Unload(); return FALSE;
    default: return FALSE;
    }
}

INT_PTR frmSong::OnColor(HDC dc) {
    SetTextColor(dc, Options.TextColor());
    SetBkColor(dc, Options.BackgroundColor());
    return reinterpret_cast<INT_PTR>(background_);
}

void frmSong::OnCommand(WORD id, WORD code) {
    if (id == IDCANCEL) {
        Close();
    } else if (id >= IDC_SONG_CMD && id < IDC_SONG_CMD + kButtons && code == BN_CLICKED) {
        if (id - IDC_SONG_CMD == SongDialog::kClose)
            Close();
        else
            logic_.cmdSong_Click(id - IDC_SONG_CMD);
    } else if (id >= IDC_SONG_TXT && id < IDC_SONG_TXT + SongDialog::kBoxes) {
        if (code == EN_CHANGE) logic_.txt_Change(id - IDC_SONG_TXT);
        if (code == EN_SETFOCUS) SendDlgItemMessageA(dialog_, id, EM_SETSEL, 0, -1);
    } else if (id == IDC_SONG_GENRE && (code == CBN_SELCHANGE || code == CBN_KILLFOCUS)) {
        logic_.cbo_Validate();
    } else if (id >= IDM_SONG_ID3 && id < IDM_SONG_ID3 + 5) {
        logic_.mnuID3_Click(id - IDM_SONG_ID3);
    }
}

void frmSong::Form_Load() {
    window_ = std::make_unique<Win32FormWindow>(dialog_);
    formUtils_ = std::make_unique<CFormUtils>(*window_, registry_);
    if (Options.OnTop()) formUtils_->ZOnTop();
    formUtils_->SetMinMaxSize(4890, 3765, 0, 0);
    formUtils_->SubClass();
    formUtils_->ReadWindowSettings(logic_.WindowName(), 0, 0, 5000, 3765);
    if (!IsIconic(owner_)) formUtils_->SetLeftRightOfParent(ownerWindow_);
    CheckColors();
    HICON program = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_PROGRAM));
    SendDlgItemMessageA(dialog_, IDC_SONG_IMG, STM_SETICON, reinterpret_cast<WPARAM>(program), 0);
    SendDlgItemMessageA(dialog_, IDC_SONG_CMD + SongDialog::kPicture, BM_SETIMAGE, IMAGE_ICON,
                        reinterpret_cast<LPARAM>(program));
    AddTooltip();
    genreHook_ = std::make_unique<Win32WindowHook>(
        GetDlgItem(dialog_, IDC_SONG_GENRE),
        [this](UINT message, WPARAM, LPARAM, LRESULT&) { return cbo_KeyDown(message); });
    Form_Resize();
    SongShowing = true;
}

void frmSong::Form_Unload() {
    genreHook_.reset();
    formUtils_->SaveWindowSettings(logic_.WindowName(), false, 0, 0, 0, 0);
    formUtils_->UnSubClass();
    formUtils_.reset();
    window_.reset();
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    dialog_ = nullptr;
    SongShowing = false;
}

void frmSong::AddTooltip() {
    tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               dialog_, nullptr, instance_, nullptr);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog_;
    tool.uId =
        reinterpret_cast<UINT_PTR>(GetDlgItem(dialog_, IDC_SONG_TXT + SongDialog::kComments));
    static char text[] = "Press Ctrl-Enter to add a new line in the comments.";
    tool.lpszText = text;
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// Any key on the closed genre list opens it first, so typing picks from what is shown.
bool frmSong::cbo_KeyDown(UINT message) {
    if (message != WM_KEYDOWN) return false;
    HWND genre = GetDlgItem(dialog_, IDC_SONG_GENRE);
    if (!SendMessageA(genre, CB_GETDROPPEDSTATE, 0, 0))
        SendMessageA(genre, CB_SHOWDROPDOWN, TRUE, 0);
    return false;
}

int frmSong::Px(int twips) const {
    HDC dc = GetDC(dialog_);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(dialog_, dc);
    return MulDiv(twips, dpi, 1440);
}

// The buttons keep their distance from the right edge; the boxes take the
// width left of them, the comments the height below the other rows.
void frmSong::Form_Resize() {
    RECT client;
    GetClientRect(dialog_, &client);
    const int buttonsLeft = client.right - Px(kButtonColumn);
    const int boxLeft = Px(kMargin + kLabelWidth);
    const int boxWidth = std::max(buttonsLeft - Px(kMargin) - boxLeft, Px(600));
    HDWP moves = BeginDeferWindowPos(kLabels * 2 + kButtons + 2);
    const auto place = [&](int id, int x, int y, int w, int h) {
        moves = DeferWindowPos(moves, GetDlgItem(dialog_, id), nullptr, x, y, w, h,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    };
    for (int row = 0; row < kLabels; ++row) {
        const int top = Px(kMargin + row * kRowHeight);
        place(IDC_SONG_LABEL + row, Px(kMargin), top + Px(45), Px(kLabelWidth - 60), Px(240));
        const bool comments = row == kLabels - 1;
        const bool genre = kRowControls[row] == IDC_SONG_GENRE;
        const int height = comments
                               ? std::max<int>(client.bottom - top - Px(kMargin), Px(kBoxHeight))
                               : Px(genre ? 3000 : kBoxHeight);
        place(kRowControls[row], boxLeft, top, boxWidth, height);
    }
    for (int i = 0; i < 4; ++i)
        place(IDC_SONG_CMD + i, buttonsLeft, Px(kMargin + i * 450), Px(kButtonWidth),
              Px(kButtonHeight));
    place(IDC_SONG_CMD + SongDialog::kPicture, buttonsLeft, Px(kMargin + 4 * 450), Px(600),
          Px(600));
    place(IDC_SONG_ROW_IMG, buttonsLeft + Px(700), Px(kMargin + 4 * 450 + 60), Px(480), Px(480));
    place(IDC_SONG_IMG, buttonsLeft, client.bottom - Px(kMargin + 480), Px(480), Px(480));
    EndDeferWindowPos(moves);
    SendDlgItemMessageA(dialog_, IDC_SONG_GENRE, CB_SETDROPPEDWIDTH, Px(kGenreDropWidth), 0);
    InvalidateRect(dialog_, nullptr, TRUE);
}

void frmSong::CheckColors() {
    if (background_) DeleteObject(background_);
    background_ = CreateSolidBrush(Options.BackgroundColor());
    if (dialog_) InvalidateRect(dialog_, nullptr, TRUE);
}

std::string frmSong::Text(int box) const {
    return WindowText(GetDlgItem(dialog_, IDC_SONG_TXT + box));
}

void frmSong::SetText(int box, const std::string& text) {
    SetDlgItemTextA(dialog_, IDC_SONG_TXT + box, text.c_str());
}

void frmSong::SetGenreNames(const std::vector<std::string>& names) {
    HWND genre = GetDlgItem(dialog_, IDC_SONG_GENRE);
    SendMessageA(genre, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : names)
        SendMessageA(genre, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

int frmSong::GenreSelection() const {
    return static_cast<int>(SendDlgItemMessageA(dialog_, IDC_SONG_GENRE, CB_GETCURSEL, 0, 0));
}

void frmSong::SelectGenre(int index) {
    SendDlgItemMessageA(dialog_, IDC_SONG_GENRE, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void frmSong::SetCaption(const std::string& text) {
    SetWindowTextA(dialog_, text.c_str());
}

void frmSong::SetButtonCaption(int button, const std::string& text) {
    SetDlgItemTextA(dialog_, IDC_SONG_CMD + button, text.c_str());
}

void frmSong::EnableButton(int button, bool enable) {
    EnableWindow(GetDlgItem(dialog_, IDC_SONG_CMD + button), enable);
}

void frmSong::ShowButton(int button, bool show) {
    ShowWindow(GetDlgItem(dialog_, IDC_SONG_CMD + button), show ? SW_SHOW : SW_HIDE);
    if (button == SongDialog::kPicture)
        ShowWindow(GetDlgItem(dialog_, IDC_SONG_ROW_IMG), show ? SW_SHOW : SW_HIDE);
}

void frmSong::ShowRowIcon(std::int32_t row) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row - 1;
    HIMAGELIST images = ListView_GetImageList(songs_, LVSIL_SMALL);
    HICON icon = nullptr;
    if (images && row >= 1 && ListView_GetItem(songs_, &item) && item.iImage >= 0)
        icon = ImageList_GetIcon(images, item.iImage, ILD_NORMAL);
    SendDlgItemMessageA(dialog_, IDC_SONG_ROW_IMG, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (rowIcon_) DestroyIcon(rowIcon_);
    rowIcon_ = icon;
}

void frmSong::PopupID3Menu() {
    RECT picture;
    GetWindowRect(GetDlgItem(dialog_, IDC_SONG_CMD + SongDialog::kPicture), &picture);
    POINT at{0, Px(kPopupTop)};
    ClientToScreen(dialog_, &at);
    if (!menu_) menu_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_SONG_ID3));
    TrackPopupMenu(GetSubMenu(menu_, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, picture.right, at.y, 0,
                   dialog_, nullptr);
}

void frmSong::Unload() {
    if (dialog_) DestroyWindow(dialog_);
}

}  // namespace brambletune
