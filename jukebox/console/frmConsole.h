#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "jukebox/console/CTrayIcon.h"
#include "jukebox/console/ConsoleCommands.h"
#include "jukebox/console/ConsoleLayout.h"
#include "jukebox/console/ConsolePlatform.h"
#include "jukebox/console/MediaKeys.h"
#include "jukebox/console/Win32MediaHotKeys.h"
#include "jukebox/playback/ConsoleView.h"
#include "jukebox/settings/OptionsForm.h"
#include "jukebox/windows/Win32Mixer.h"

namespace brambletune {

class CFormUtils;
class CJukeBox;
class CListView;
class CRecentFiles;
class MFindFile;
class MMCICtrl;
class Win32FormWindow;
class Win32RecentMenu;
class Win32WindowHook;
class frmLyrics;
class frmSong;
class frmVolume;

// The console: the player panel above the playlist. It turns window messages
// into calls of the engine and of the console commands, and shows what the
// engine writes back. Owns every object of the program's main window.
class frmConsole : public ConsoleView, public ConsoleWindowUi, public OpenWindows {
public:
    explicit frmConsole(HINSTANCE instance);
    ~frmConsole() override;
    frmConsole(const frmConsole&) = delete;
    frmConsole& operator=(const frmConsole&) = delete;

    // Creates the window, hidden and not yet loaded; false when it could not be made.
    bool Create();
    // Creates the window unless done, then runs its load; false when the window could not be made.
    bool Load();
    // True from the start of the unload: the console takes no more work.
    bool Unloading() const { return unloading_; }
    HWND handle() const { return hwnd_; }
    // Keys the console sees before its controls, then its shortcuts; true when
    // the message was used up.
    bool PreTranslate(MSG& msg);
    // Sees every message the program's loop takes, before anything else does.
    // True when it was a media key press, in whichever of the program's
    // windows: it is used up.
    bool TakeMediaKey(const MSG& msg);
    // Brings the console in front, then plays path or, without one, the most recent album.
    void Starter(const std::string& path, bool firstInstance);
    // Run as the last step of the unload: gives back the hand-over hook.
    void SetUnhookInstanceMessages(std::function<void()> unhook) {
        unhookInstance_ = std::move(unhook);
    }

    CFormUtils& formUtils() { return *formUtils_; }
    frmLyrics& lyrics() { return *lyrics_; }
    void CheckColors();
    void CheckFonts();
    void TrayIcon_Click(int message);
    // The song dialog once it was first opened, else nullptr.
    frmSong* SongForm() const { return song_.get(); }

    // ConsoleView
    void SetLabel(Label label, const std::string& text) override;
    std::int32_t SliderMax() const override { return kSliderScale; }
    std::int32_t SliderValue() const override;
    void SetSliderValue(std::int32_t value) override;
    void SetCaption(const std::string& text) override;
    void SetTrayTip(const std::string& text) override;
    void EnablePlaylistCommands(bool enable) override;
    void RunPlayModeCommand(std::int32_t playMode) override;
    void SetRepeatAllBox(bool on) override;
    void RunTimeModeCommand(std::int32_t timeMode) override;
    void ApplyWindowSettings() override;
    void ApplyDisplayState(std::int32_t state) override;
    bool CloseAlbum() override;
    void AddRecentAlbum(const std::string& path) override;
    std::string MostRecentAlbum() const override;
    std::string ResourceString(std::int32_t id) const override;

    // ConsoleWindowUi
    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
    void CheckMenuItem(ConsoleMenu menu, std::int32_t index, bool checked) override;
    void SelectModeOption(std::int32_t index) override;
    bool RepeatAllTicked() const override;
    void TickRepeatAll(bool on) override;
    void ShowRepeatAllLabel(bool on) override;
    void SetLabelText(std::int32_t label, const std::string& text) override;
    void Unload() override;
    void ShowAddFolder() override;
    void ShowOptions() override;
    void ShowSongInfo(std::int32_t row) override;
    void ShowBatchEdit() override;
    void ShowFind(CSong& criteria) override;
    void ShowLyricsOf(const CSong& song) override;
    void ShowTips() override;
    void ShowAbout() override;
    void ShowVolume() override;

    // OpenWindows: the console's part of an options change.
    void DisplayStateChanged(std::int32_t state) override;
    void ColorsChanged() override;
    void FontChanged(int slot) override;
    void OnTopChanged(bool onTop) override;
    void RecentCountChanged(std::int32_t count) override;
    void LyricsChecksChanged() override;

private:
    // Media keys (frmConsoleMediaKeys.cpp).
    bool OnAppCommand(LPARAM lParam);
    void OnShowWindow(bool shown);
    void RunMediaCommand(MediaCommand command);

    static constexpr std::int32_t kSliderScale = 10000;
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr int kLabels = 12;

    struct LabelBox {
        std::string text;
        RECT twips;  // left, top, right, bottom
        bool displayFont = false;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void Form_Load();
    void Form_Unload();
    // Closes the song dialog, the lyrics and the album, asking to save each;
    // false when the user kept one open.
    bool CloseDocuments();
    void Form_Resize(WPARAM sizeType);
    void OnCommand(UINT id);
    LRESULT OnNotify(NMHDR& header);
    void OnPaint();
    void OnMouseDown(POINT at, bool doubleClick);
    void OnLabelClick(POINT at);
    void OnDrop(HDROP drop);
    bool DroppedOnPlaylist(HDROP drop) const;
    void OnSliderMouse(UINT message);
    void CreateControls();
    void CreateTooltips();
    void AddTooltip(HWND control, const char* text);
    void AddTooltip(const RECT& twips, const char* text);
    void PlaceControls();
    void PlaceLabels();
    int LabelAt(POINT at) const;
    RECT ToPixels(const RECT& twips) const;
    int Px(int twips) const;
    int Twips(int pixels) const;
    HMENU SubMenu(ConsoleMenu menu) const;
    void MarkRadioItems();
    void PopupMenu(int which);
    frmSong& SongDialog();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND slider_ = nullptr;
    HWND songs_ = nullptr;
    HWND icon_ = nullptr;
    std::array<HWND, 6> cmdCtrls_{};
    std::array<HWND, 8> optMode_{};
    HWND chkRepeatAll_ = nullptr;
    HMENU menu_ = nullptr;
    HMENU popups_ = nullptr;
    HACCEL keys_ = nullptr;
    HFONT displayFont_ = nullptr;
    HFONT listFont_ = nullptr;
    HBRUSH background_ = nullptr;
    HCURSOR hand_ = nullptr;
    std::array<LabelBox, kLabels> lbl_;
    bool repeatAllShown_ = false;
    int dpiX_ = 96, dpiY_ = 96;
    std::int32_t frameHeight_ = 0;  // window height less inner height, in twips
    RECT normal_{};                 // bounds in the normal state, twips
    bool unloading_ = false;
    MediaKeyFilter mediaKeys_;
    Win32MediaHotKeys hotKeys_;  // held while the console is hidden in the tray

    ConsolePlatform platform_;
    ConsoleLayout layout_;
    std::unique_ptr<Win32FormWindow> formWindow_;
    std::unique_ptr<CFormUtils> formUtils_;
    std::unique_ptr<MMCICtrl> mciModule_;
    std::unique_ptr<CListView> list_;
    std::unique_ptr<frmLyrics> lyrics_;  // the engine shows songs in it
    std::unique_ptr<CJukeBox> box_;
    std::unique_ptr<MFindFile> finder_;
    std::unique_ptr<Win32RecentMenu> recentMenu_;
    std::unique_ptr<CRecentFiles> recentFiles_;
    std::unique_ptr<ConsoleCommands> commands_;
    std::unique_ptr<Win32WindowHook> sliderHook_;
    std::unique_ptr<frmSong> song_;
    std::function<void()> unhookInstance_;
    CTrayIcon trayIcon_;
    Win32Mixer mixer_;
    std::unique_ptr<frmVolume> volume_;
};

}  // namespace brambletune
