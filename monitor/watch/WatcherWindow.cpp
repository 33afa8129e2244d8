#include "monitor/watch/WatcherWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <exception>

#include "monitor/watch/AboutWindow.h"
#include "monitor/watch/HelpWindow.h"
#include "monitor/watch/SnapshotEntry.h"
#include "resource.h"

namespace vigilon {
namespace {

constexpr const char* kClassName = "TfrmWatcher";
constexpr const char* kOwnerClassName = "VigilonApplication";
constexpr const char* kCaption = "Vigilon 2000 - monitor Windows folders";
constexpr const char* kTrayTip = "Vigilon (right click for options)";
constexpr UINT_PTR kScanTimer = 1;
constexpr int kWindowWidth = 407;  // summary panel left (1) + width (402) + 4
constexpr int kClientHeight = 404;
constexpr int kRowHeight = 26;
constexpr COLORREF kNavy = RGB(0, 0, 128);

RECT Bounds(int x, int y, int w, int h) {
    return RECT{x, y, x + w, y + h};
}

}  // namespace

WatcherWindow::WatcherWindow(HINSTANCE instance, SettingsStore& store)
    : instance_(instance),
      store_(store),
      logic_({lister_, collation_, clock_, store_, *this, desktop_, mail_}) {}

WatcherWindow::~WatcherWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (owner_) DestroyWindow(owner_);
    for (HFONT font : {uiFont_, headingFont_, summaryFont_}) {
        if (font) DeleteObject(font);
    }
}

bool WatcherWindow::Create(bool hiddenStart) {
    WNDCLASSA owner{};
    owner.lpfnWndProc = DefWindowProcA;
    owner.hInstance = instance_;
    owner.lpszClassName = kOwnerClassName;
    RegisterClassA(&owner);
    icon_ = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_VIGILON));
    smallIcon_ = static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDI_VIGILON), IMAGE_ICON, 16, 16, 0));

    WNDCLASSA wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance_;
    wc.hIcon = icon_;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc) || !ChildPanel::RegisterWindowClass(instance_)) return false;

    owner_ = CreateWindowExA(0, kOwnerClassName, "Vigilon", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             instance_, nullptr);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame = Bounds(0, 0, kWindowWidth, kClientHeight);
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    hwnd_ = CreateWindowExA(exStyle, kClassName, kCaption, style, x, y, kWindowWidth, height,
                            owner_, nullptr, instance_, this);
    if (!hwnd_) return false;
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    desktop_.SetOwner(hwnd_);
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    CreateControls();

    logic_.FormCreate();
    rbSoundAlarmClick();
    rbMAPIClick();
    if (!hiddenStart) ShowWindow(hwnd_, SW_SHOW);
    return true;
}

bool WatcherWindow::PreTranslate(MSG& msg) {
    return hwnd_ && IsWindowVisible(hwnd_) && IsDialogMessageA(hwnd_, &msg);
}

// ---- controls -------------------------------------------------------------

void WatcherWindow::CreateFonts() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    uiFont_ = CreateFontIndirectA(&metrics.lfMessageFont);
    headingFont_ = CreateFontA(-19, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0,
                               "Times New Roman");
    summaryFont_ = CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0,
                               "Times New Roman");
}

HWND WatcherWindow::AddControl(const char* cls, const char* text, DWORD style, RECT r, int id,
                               HWND parent) {
    HWND control =
        CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, r.left,
                        r.top, r.right - r.left, r.bottom - r.top, parent ? parent : hwnd_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), FALSE);
    return control;
}

void WatcherWindow::AddHint(HWND control, const char* text) {
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void WatcherWindow::CreateControls() {
    CreateFonts();
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                               0, 0, 0, hwnd_, nullptr, instance_, nullptr);
    tabs_ = AddTabs(Bounds(4, 4, 396, 330), IDC_TABS, {"Folders", "Notification"});
    CreateFolderPage();
    CreateNotificationPage();
    CreateButtons();
    CreateMailPages();
    CreateSummaryPanel();
    // Children are stacked in creation order; the tab controls go beneath their pages.
    for (HWND tabs : {mailTabs_, tabs_}) {
        SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    UpdateVisibility();
}

HWND WatcherWindow::AddTabs(RECT bounds, int id, std::initializer_list<const char*> names) {
    HWND tabs = AddControl(WC_TABCONTROLA, "", WS_TABSTOP, bounds, id);
    for (const char* name : names) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(name);
        SendMessageA(tabs, TCM_INSERTITEMA, SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0),
                     reinterpret_cast<LPARAM>(&item));
    }
    return tabs;
}

void WatcherWindow::CreateFolderPage() {
    auto& page = pages_[0];
    page.push_back(AddControl(WC_STATICA, "Folders to monitor:", 0, Bounds(14, 32, 200, 16),
                              IDC_FOLDERS_LABEL));
    HWND box = scrollBox_.Create(hwnd_, IDC_SCROLLBOX, Bounds(14, 50, 376, 176),
                                 kFolderSlots * kRowHeight + 4, WS_EX_CLIENTEDGE);
    page.push_back(box);
    for (int i = 0; i < kFolderSlots; ++i) {
        const int y = 2 + i * kRowHeight;
        const std::string number = std::to_string(i + 1) + ".";
        AddControl(WC_STATICA, number.c_str(), SS_RIGHT, Bounds(2, y + 4, 24, 16),
                   IDC_SLOT_LABEL_BASE + i, box);
        slots_[i] = AddControl(WC_EDITA, "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                               Bounds(30, y, 292, 22), IDC_SLOT_EDIT_BASE + i, box);
        HWND browse = AddControl(WC_BUTTONA, "...", WS_TABSTOP | BS_PUSHBUTTON,
                                 Bounds(326, y, 24, 22), IDC_SLOT_BROWSE_BASE + i, box);
        AddHint(browse, "Click to select a directory");
    }
    page.push_back(AddControl(WC_STATICA, "Scan folders every n seconds:", 0,
                              Bounds(14, 236, 180, 16), IDC_NSECS_LABEL));
    nSecs_ = AddControl(WC_EDITA, "60", WS_BORDER | WS_TABSTOP | ES_NUMBER,
                        Bounds(196, 233, 60, 22), IDC_NSECS);
    SendMessageA(nSecs_, EM_SETLIMITTEXT, 10, 0);
    AddHint(nSecs_, "Number of seconds to wait in between scanning the directories (5 .. 600)");
    HWND spin = AddControl(UPDOWN_CLASSA, "",
                           UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                           Bounds(0, 0, 0, 0), IDC_NSECS_SPIN);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(nSecs_), 0);
    SendMessageA(spin, UDM_SETRANGE32, kMinSeconds, kMaxSeconds);
    SendMessageA(spin, UDM_SETPOS32, 0, kDefaultSeconds);
    page.insert(page.end(), {nSecs_, spin});
    page.push_back(
        AddControl(WC_STATICA, "Notify on:", 0, Bounds(14, 266, 80, 16), IDC_NOTIFY_LABEL));
    const DWORD check = WS_TABSTOP | BS_AUTOCHECKBOX;
    cbNew_ = AddControl(WC_BUTTONA, "New files", check, Bounds(24, 286, 100, 18), IDC_NEW);
    cbChange_ =
        AddControl(WC_BUTTONA, "Changed files", check, Bounds(134, 286, 110, 18), IDC_CHANGE);
    cbDelete_ =
        AddControl(WC_BUTTONA, "Deleted files", check, Bounds(254, 286, 110, 18), IDC_DELETE);
    page.insert(page.end(), {cbNew_, cbChange_, cbDelete_});
}

void WatcherWindow::CreateNotificationPage() {
    auto& page = pages_[1];
    rbSoundAlarm_ = AddControl(WC_BUTTONA, "Sound alarm on file change",
                               WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, Bounds(14, 34, 300, 18),
                               IDC_SOUND_ALARM);
    rbSendEmail_ = AddControl(WC_BUTTONA, "Send e-mail on file change", BS_AUTORADIOBUTTON,
                              Bounds(14, 56, 300, 18), IDC_SEND_EMAIL);
    page.insert(page.end(), {rbSoundAlarm_, rbSendEmail_});
    alarmControls_.push_back(AddControl(WC_STATICA,
                                        "Play this sound file (*.WAV) when change is detected:", 0,
                                        Bounds(14, 88, 370, 16), IDC_WAVE_LABEL));
    edWave_ = AddControl(WC_EDITA, "", WS_BORDER | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,
                         Bounds(14, 108, 330, 22), IDC_WAVE);
    HWND browse =
        AddControl(WC_BUTTONA, "...", WS_TABSTOP, Bounds(348, 108, 22, 22), IDC_WAVE_BROWSE);
    AddHint(browse, "Click to select a WAV (sound) file");
    HWND test = AddControl(WC_BUTTONA, "Test", WS_TABSTOP, Bounds(14, 138, 75, 24), IDC_WAVE_TEST);
    AddHint(test, "Play the sound file as a test");
    alarmControls_.insert(alarmControls_.end(), {edWave_, browse, test});
    page.insert(page.end(), alarmControls_.begin(), alarmControls_.end());
}

void WatcherWindow::CreateMailPages() {
    mailTabs_ =
        AddTabs(Bounds(12, 84, 380, 240), IDC_MAIL_TABS, {"SMTP", "Recipients", "Subject line"});
    rbMAPI_ =
        AddControl(WC_BUTTONA, "Use MAPI to send e-mail",
                   WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, Bounds(24, 116, 300, 18), IDC_MAPI);
    rbSMTP_ = AddControl(WC_BUTTONA, "Use SMTP to send e-mail", BS_AUTORADIOBUTTON,
                         Bounds(24, 138, 300, 18), IDC_SMTP);
    mailPages_[0] = {rbMAPI_, rbSMTP_};
    const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    pnlSMTP_.push_back(AddControl(WC_STATICA, "SMTP Server", WS_GROUP, Bounds(24, 167, 100, 16),
                                  IDC_SERVER_LABEL));
    edServer_ = AddControl(WC_EDITA, "", edit, Bounds(130, 164, 250, 22), IDC_SERVER);
    pnlSMTP_.push_back(
        AddControl(WC_STATICA, "Sender name", 0, Bounds(24, 191, 100, 16), IDC_SENDER_LABEL));
    edSender_ = AddControl(WC_EDITA, "", edit, Bounds(130, 188, 250, 22), IDC_SENDER);
    pnlSMTP_.push_back(
        AddControl(WC_STATICA, "Sender e-mail", 0, Bounds(24, 215, 100, 16), IDC_EMAIL_LABEL));
    edEmail_ = AddControl(WC_EDITA, "", edit, Bounds(130, 212, 250, 22), IDC_EMAIL);
    pnlSMTP_.insert(pnlSMTP_.end(), {edServer_, edSender_, edEmail_});
    CreateLoginControls();
}

// Security, user and password, below the sender on the "SMTP" page.
void WatcherWindow::CreateLoginControls() {
    const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    pnlSMTP_.push_back(
        AddControl(WC_STATICA, "Security", 0, Bounds(24, 239, 100, 16), IDC_SECURITY_LABEL));
    cbSecurity_ = AddControl(WC_COMBOBOXA, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                             Bounds(130, 236, 250, 120), IDC_SECURITY);
    for (const char* choice : {"None", "STARTTLS", "TLS"}) {
        SendMessageA(cbSecurity_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    }
    AddHint(cbSecurity_, "STARTTLS: port 25 unless given; TLS: port 465 unless given");
    pnlSMTP_.push_back(AddControl(WC_STATICA, "User", 0, Bounds(24, 263, 100, 16), IDC_USER_LABEL));
    edUser_ = AddControl(WC_EDITA, "", edit, Bounds(130, 260, 250, 22), IDC_USER);
    pnlSMTP_.push_back(
        AddControl(WC_STATICA, "Password", 0, Bounds(24, 287, 100, 16), IDC_PASSWORD_LABEL));
    edPassword_ =
        AddControl(WC_EDITA, "", edit | ES_PASSWORD, Bounds(130, 284, 170, 22), IDC_PASSWORD);
    AddHint(edPassword_, "Leave empty to keep the stored password");
    cbClearPassword_ = AddControl(WC_BUTTONA, "Clear", WS_TABSTOP | BS_AUTOCHECKBOX,
                                  Bounds(306, 286, 74, 18), IDC_CLEAR_PASSWORD);
    AddHint(cbClearPassword_, "Forget the stored password");
    pnlSMTP_.insert(pnlSMTP_.end(), {cbSecurity_, edUser_, edPassword_, cbClearPassword_});

    mailPages_[1].push_back(
        AddControl(WC_STATICA, "List of recipient e-mail addresses (one per line):", WS_GROUP,
                   Bounds(24, 116, 356, 16), IDC_RECIPIENTS_LABEL));
    meRecipients_ = AddControl(
        WC_EDITA, "",
        WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
        Bounds(24, 136, 356, 176), IDC_RECIPIENTS);
    mailPages_[1].push_back(meRecipients_);
    mailPages_[2].push_back(AddControl(WC_STATICA, "Subject line on e-mail", WS_GROUP,
                                       Bounds(24, 116, 356, 16), IDC_SUBJECT_LABEL));
    edSubject_ = AddControl(WC_EDITA, "", edit, Bounds(24, 136, 356, 22), IDC_SUBJECT);
    mailPages_[2].push_back(edSubject_);
}

void WatcherWindow::CreateButtons() {
    cbAutoStart_ = AddControl(WC_BUTTONA, "Automatically bypass this screen on start-up?",
                              WS_TABSTOP | BS_AUTOCHECKBOX, Bounds(8, 342, 390, 18), IDC_AUTOSTART);
    AddControl(WC_BUTTONA, "&Help", WS_TABSTOP, Bounds(8, 370, 80, 26), IDC_HELP_BUTTON);
    AddControl(WC_BUTTONA, "A&bout", WS_TABSTOP, Bounds(92, 370, 80, 26), IDC_ABOUT_BUTTON);
    btActivate_ = AddControl(WC_BUTTONA, "Activate", WS_TABSTOP | BS_DEFPUSHBUTTON,
                             Bounds(226, 370, 80, 26), IDC_ACTIVATE);
    AddHint(btActivate_, "Take a snap-shot of directories and hide in the background");
    HWND close = AddControl(WC_BUTTONA, "E&xit", WS_TABSTOP, Bounds(312, 370, 80, 26), IDC_CLOSE);
    AddHint(close, "Exit, Vigilon will not scan directories");
}

void WatcherWindow::CreateSummaryPanel() {
    HWND panel = panel_.Create(hwnd_, IDC_PANEL, Bounds(1, 1, 402, 334), 0, WS_EX_DLGMODALFRAME);
    HWND h1 = AddControl(WC_STATICA, "The following files have been", SS_CENTER,
                         Bounds(0, 8, 396, 22), IDC_HEADING1, panel);
    HWND h2 = AddControl(WC_STATICA, "changed, added or deleted.", SS_CENTER,
                         Bounds(0, 30, 396, 22), IDC_HEADING2, panel);
    meSummary_ = AddControl(WC_EDITA, "",
                            WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                            Bounds(8, 58, 380, 226), IDC_SUMMARY, panel);
    for (HWND heading : {h1, h2}) {
        SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_), FALSE);
    }
    SendMessageA(meSummary_, WM_SETFONT, reinterpret_cast<WPARAM>(summaryFont_), FALSE);
    AddControl(WC_BUTTONA, "&Print", WS_TABSTOP, Bounds(40, 292, 130, 28), IDC_PRINT, panel);
    AddControl(WC_BUTTONA, "&Append to text file", WS_TABSTOP, Bounds(200, 292, 160, 28),
               IDC_APPEND, panel);
}

// Which controls show follows the two tab controls and the two radio choices.
void WatcherWindow::UpdateVisibility() {
    const auto selected = [](HWND tabs) {
        return static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    };
    const int page = selected(tabs_);
    const bool mailMode = page == 1 && !Checked(rbSoundAlarm_);
    const int mailPage = selected(mailTabs_);
    const auto show = [](const std::vector<HWND>& controls, bool visible) {
        for (HWND control : controls) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
    };
    show(pages_[0], page == 0);
    show(pages_[1], page == 1);
    show(alarmControls_, page == 1 && !mailMode);
    show({mailTabs_}, mailMode);
    for (int p = 0; p < 3; ++p) show(mailPages_[p], mailMode && mailPage == p);
    show(pnlSMTP_, mailMode && mailPage == 0 && Checked(rbSMTP_));
}

// ---- settings <-> controls -------------------------------------------------

std::string WatcherWindow::Text(HWND control) const {
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

bool WatcherWindow::Checked(HWND control) const {
    return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WatcherWindow::SetChecked(HWND control, bool checked) {
    SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void WatcherWindow::ShowSettings(const MonitorSettings& s) {
    for (int i = 0; i < kFolderSlots; ++i) SetWindowTextA(slots_[i], s.dirs[i].c_str());
    SetWindowTextA(edWave_, s.wav.c_str());
    SetWindowTextA(nSecs_, std::to_string(s.nSecs).c_str());
    SetChecked(cbNew_, s.notifyNew);
    SetChecked(cbChange_, s.notifyChange);
    SetChecked(cbDelete_, s.notifyDelete);
    SetChecked(cbAutoStart_, s.autoStart);
    SetChecked(rbSoundAlarm_, s.soundAlarm);
    SetChecked(rbSendEmail_, !s.soundAlarm);
    SetChecked(rbMAPI_, s.mapi);
    SetChecked(rbSMTP_, !s.mapi);
    SetWindowTextA(edServer_, s.server.c_str());
    SetWindowTextA(edSender_, s.sender.c_str());
    SetWindowTextA(edEmail_, s.senderEmail.c_str());
    SetWindowTextA(edSubject_, s.subject.c_str());
    SetWindowTextA(meRecipients_, JoinLines(s.recipients).c_str());
    SendMessageA(cbSecurity_, CB_SETCURSEL, static_cast<WPARAM>(s.security), 0);
    SetWindowTextA(edUser_, s.user.c_str());
    // The stored password never comes back into the box; an empty box keeps it.
    storedPassword_ = s.password;
    SetWindowTextA(edPassword_, "");
    SetChecked(cbClearPassword_, false);
}

MonitorSettings WatcherWindow::ControlSettings() const {
    MonitorSettings s;
    for (int i = 0; i < kFolderSlots; ++i) s.dirs[i] = Text(slots_[i]);
    s.wav = Text(edWave_);
    s.nSecs = SecondsFromText(Text(nSecs_));
    s.notifyNew = Checked(cbNew_);
    s.notifyChange = Checked(cbChange_);
    s.notifyDelete = Checked(cbDelete_);
    s.autoStart = Checked(cbAutoStart_);
    s.soundAlarm = Checked(rbSoundAlarm_);
    s.mapi = Checked(rbMAPI_);
    s.server = Text(edServer_);
    s.sender = Text(edSender_);
    s.senderEmail = Text(edEmail_);
    s.subject = Text(edSubject_);
    s.recipients = SplitLines(Text(meRecipients_));
    const LRESULT security = SendMessageA(cbSecurity_, CB_GETCURSEL, 0, 0);
    s.security = security == CB_ERR ? kSecurityNone : static_cast<int>(security);
    s.user = Text(edUser_);
    s.password =
        EditedPassword(storedPassword_, Text(edPassword_), Checked(cbClearPassword_), vault_);
    return s;
}

// ---- what the logic asks for ------------------------------------------------

void WatcherWindow::ShowMessage(const std::string& text) {
    MessageBoxA(hwnd_, text.c_str(), "Vigilon", MB_OK);
}

void WatcherWindow::StartScanTimer(unsigned milliseconds) {
    SetTimer(hwnd_, kScanTimer, milliseconds, nullptr);
}

void WatcherWindow::StopScanTimer() {
    KillTimer(hwnd_, kScanTimer);
}

bool WatcherWindow::AddTrayIcon() {
    return tray_.Add(hwnd_, smallIcon_ ? smallIcon_ : icon_, kTrayTip);
}

// The shell restarted and lost our icon: without it a hidden monitor could
// not be called back, so the window comes back if the icon does not.
void WatcherWindow::OnTaskbarCreated() {
    if (!tray_.Restore()) ShowRefusedWindow();
}

void WatcherWindow::HideWindow() {
    ShowWindow(hwnd_, SW_HIDE);
}

void WatcherWindow::ShowRefusedWindow() {
    // A refused activation is the one time the program has a taskbar button.
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    ShowWindow(hwnd_, SW_SHOW);
}

void WatcherWindow::HideSummaryPanel() {
    ShowWindow(panel_.Handle(), SW_HIDE);
}

void WatcherWindow::SummaryChanged() {
    std::string text;
    for (const auto& line : logic_.meSummary.Lines()) text += line + "\r\n";
    SetWindowTextA(meSummary_, text.c_str());
}

void WatcherWindow::SetFolderSlot(int slot, const std::string& folder) {
    SetWindowTextA(slots_[slot], folder.c_str());
}

void WatcherWindow::SetSoundPath(const std::string& path) {
    SetWindowTextA(edWave_, path.c_str());
}

void WatcherWindow::ShowAlarm() {
    SetWindowPos(panel_.Handle(), HWND_TOP, 2, 2, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    desktop_.SetStayOnTop(true);
    SetWindowTextA(btActivate_, "Reactivate");
    ShowWindow(hwnd_, SW_RESTORE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

// ---- events -------------------------------------------------------------------

void WatcherWindow::rbSoundAlarmClick() {
    UpdateVisibility();
}

void WatcherWindow::rbMAPIClick() {
    UpdateVisibility();
}

void WatcherWindow::Show1Click() {
    logic_.Show1Click();
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void WatcherWindow::Exit1Click() {
    // Ending from the tray does not write the settings: no WM_CLOSE on this path.
    tray_.Remove();
    DestroyWindow(hwnd_);
}

void WatcherWindow::ShowTrayMenu() {
    SetForegroundWindow(hwnd_);
    MSG pending;
    while (PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&pending);
        DispatchMessageA(&pending);
    }
    HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(IDM_TRAY));
    if (!menu) return;
    POINT at;
    GetCursorPos(&at);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

void WatcherWindow::OnTrayNotify(LPARAM mouseMessage) {
    if (mouseMessage == WM_RBUTTONUP) ShowTrayMenu();
}

void WatcherWindow::ShowModal(void (*show)(HINSTANCE, HWND)) {
    desktop_.SetStayOnTop(false);
    show(instance_, hwnd_);
}

void WatcherWindow::OnCommand(int id, int code) {
    if (code != BN_CLICKED && code != 0) return;
    if (id >= IDC_SLOT_BROWSE_BASE && id < IDC_SLOT_BROWSE_BASE + kFolderSlots) {
        logic_.sbClick(id - IDC_SLOT_BROWSE_BASE);
        return;
    }
    switch (id) {
    case IDC_ACTIVATE:
    case IDOK: logic_.btActivateClick(); return;
    case IDC_CLOSE:
    case IDCANCEL: SendMessageA(hwnd_, WM_CLOSE, 0, 0); return;
    case IDC_SOUND_ALARM:
    case IDC_SEND_EMAIL: rbSoundAlarmClick(); return;
    case IDC_MAPI:
    case IDC_SMTP: rbMAPIClick(); return;
    case IDC_WAVE_TEST: logic_.playAlarmSound(); return;
    case IDC_WAVE_BROWSE: logic_.SpeedButton6Click(); return;
    case IDC_PRINT: logic_.btPrintClick(); return;
    case IDC_APPEND: logic_.btAppendClick(); return;
    case IDC_HELP_BUTTON: ShowModal(ShowHelpWindow); return;
    case IDC_ABOUT_BUTTON: ShowModal(ShowAboutWindow); return;
    case IDM_SHOW_MAIN: Show1Click(); return;
    case IDM_EXIT: Exit1Click(); return;
    default: return;
    }
}

void WatcherWindow::OnClose() {
    logic_.FormClose();
    DestroyWindow(hwnd_);
}

void WatcherWindow::OnDestroy() {
    logic_.FormDestroy();  // stops the scan timer and cancels a waiting send
    tray_.Remove();
    hwnd_ = nullptr;
    PostQuitMessage(0);
}

LRESULT WatcherWindow::OnColor(UINT msg, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == IDC_HEADING1 || id == IDC_HEADING2 || id == IDC_SUMMARY) return OnSummaryColor(dc);
    const bool onPage = GetParent(control) == hwnd_ && id != IDC_AUTOSTART;
    if (msg != WM_CTLCOLORSTATIC || !onPage) {
        return DefWindowProcA(hwnd_, msg, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    // Labels and check boxes on the pages take the colour of the tab control's body.
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

LRESULT WatcherWindow::OnSummaryColor(HDC dc) {
    SetTextColor(dc, kNavy);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT WatcherWindow::HandleMessageSafely(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        return HandleMessage(msg, wp, lp);
    } catch (const std::exception& error) {
        desktop_.ShowError(error.what());
    } catch (...) {
        desktop_.ShowError("Unexpected error");
    }
    return 0;
}

LRESULT WatcherWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (taskbarCreated_ != 0 && msg == taskbarCreated_) {
        OnTaskbarCreated();
        return 0;
    }
    switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lp)->code == static_cast<UINT>(TCN_SELCHANGE))
            UpdateVisibility();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return OnColor(msg, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_TIMER:
        if (wp == kScanTimer) logic_.Timer1Timer();
        return 0;
    case TrayIcon::kCallbackMessage: OnTrayNotify(lp); return 0;
    case DM_GETDEFID: return MAKELONG(IDC_ACTIVATE, DC_HASDEFID);
    case WM_CLOSE: OnClose(); return 0;
    // The process ends with the session: write the settings as a close does.
    case WM_ENDSESSION:
        if (wp) OnClose();
        return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
}

LRESULT CALLBACK WatcherWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self =
            static_cast<WatcherWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WatcherWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || !self->hwnd_) return DefWindowProcA(hwnd, msg, wp, lp);
    return self->HandleMessageSafely(msg, wp, lp);
}

}  // namespace vigilon
