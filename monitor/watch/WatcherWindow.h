#pragma once

#include <windows.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "monitor/watch/ChildPanel.h"
#include "monitor/watch/DpapiPasswordVault.h"
#include "monitor/watch/TfrmWatcher.h"
#include "monitor/watch/TrayIcon.h"
#include "monitor/watch/Win32Clock.h"
#include "monitor/watch/Win32Collation.h"
#include "monitor/watch/Win32Desktop.h"
#include "monitor/watch/VigilonMailTransport.h"
#include "monitor/watch/Win32DirectoryLister.h"

namespace vigilon {

// The monitor's main window: the folder and notification pages, the buttons,
// the summary panel and the tray icon. It turns window messages into calls of
// TfrmWatcher's handlers and shows what the logic asks for.
class WatcherWindow : public WatcherView {
public:
    WatcherWindow(HINSTANCE instance, SettingsStore& store);
    ~WatcherWindow() override;
    WatcherWindow(const WatcherWindow&) = delete;
    WatcherWindow& operator=(const WatcherWindow&) = delete;

    // Creates the window and runs its creation handler. A hidden start shows
    // the window only when the automatic activation is refused.
    bool Create(bool hiddenStart);
    // Keyboard navigation between controls; true when the message was used.
    bool PreTranslate(MSG& msg);

    // WatcherView
    void ShowSettings(const MonitorSettings& settings) override;
    MonitorSettings ControlSettings() const override;
    void SetFolderSlot(int slot, const std::string& folder) override;
    void SetSoundPath(const std::string& path) override;
    void ShowMessage(const std::string& text) override;
    void StartScanTimer(unsigned milliseconds) override;
    void StopScanTimer() override;
    bool AddTrayIcon() override;
    void HideWindow() override;
    void ShowRefusedWindow() override;
    void HideSummaryPanel() override;
    void SummaryChanged() override;
    void ShowAlarm() override;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Handles a message; any failure is shown in an error box and never
    // leaves the window procedure.
    LRESULT HandleMessageSafely(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnTaskbarCreated();
    void OnCommand(int id, int code);
    void OnTrayNotify(LPARAM mouseMessage);
    void OnClose();
    void OnDestroy();
    void UpdateVisibility();
    LRESULT OnColor(UINT msg, HDC dc, HWND control);
    LRESULT OnSummaryColor(HDC dc);

    void CreateControls();
    void CreateFolderPage();
    void CreateNotificationPage();
    void CreateMailPages();
    void CreateLoginControls();
    HWND AddTabs(RECT bounds, int id, std::initializer_list<const char*> names);
    void CreateButtons();
    void CreateSummaryPanel();
    void CreateFonts();
    HWND AddControl(const char* cls, const char* text, DWORD style, RECT r, int id,
                    HWND parent = nullptr);
    void AddHint(HWND control, const char* text);
    void ShowTrayMenu();
    void Show1Click();
    void Exit1Click();
    void rbSoundAlarmClick();
    void rbMAPIClick();
    void ShowModal(void (*show)(HINSTANCE, HWND));

    std::string Text(HWND control) const;
    bool Checked(HWND control) const;
    void SetChecked(HWND control, bool checked);

    HINSTANCE instance_;
    SettingsStore& store_;
    Win32DirectoryLister lister_;
    Win32Collation collation_;
    Win32Clock clock_;
    Win32Desktop desktop_;
    VigilonMailTransport mail_;
    TfrmWatcher logic_;
    TrayIcon tray_;

    HWND owner_ = nullptr;  // hidden owner: keeps the window off the taskbar
    HWND hwnd_ = nullptr;
    HWND tabs_ = nullptr;
    HWND tooltip_ = nullptr;
    ChildPanel scrollBox_;
    ChildPanel panel_;
    std::array<HWND, kFolderSlots> slots_{};
    HWND nSecs_ = nullptr, cbNew_ = nullptr, cbChange_ = nullptr, cbDelete_ = nullptr;
    HWND rbSoundAlarm_ = nullptr, rbSendEmail_ = nullptr, edWave_ = nullptr;
    HWND cbAutoStart_ = nullptr, btActivate_ = nullptr, meSummary_ = nullptr;
    HWND mailTabs_ = nullptr, rbMAPI_ = nullptr, rbSMTP_ = nullptr;
    HWND edServer_ = nullptr, edSender_ = nullptr, edEmail_ = nullptr;
    HWND meRecipients_ = nullptr, edSubject_ = nullptr;
    HWND cbSecurity_ = nullptr, edUser_ = nullptr, edPassword_ = nullptr;
    HWND cbClearPassword_ = nullptr;
    std::vector<unsigned char> storedPassword_;  // as last read or shown
    mutable DpapiPasswordVault vault_;
    std::array<std::vector<HWND>, 2> pages_;
    std::vector<HWND> alarmControls_;
    std::array<std::vector<HWND>, 3> mailPages_;  // "SMTP", "Recipients", "Subject line"
    std::vector<HWND> pnlSMTP_;
    HFONT uiFont_ = nullptr, headingFont_ = nullptr, summaryFont_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    UINT taskbarCreated_ = 0;
};

}  // namespace vigilon
