// What the engine and the console commands write into the console window.
#include <windows.h>

#include <commctrl.h>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/CListView.h"
#include "jukebox/console/CRecentFiles.h"
#include "jukebox/console/frmAddFolder.h"
#include "jukebox/console/frmConsole.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/frmOptions.h"
#include "jukebox/settings/frmSong.h"
#include "jukebox/windows/frmLyrics.h"
#include "res/resource.h"

namespace brambletune {
namespace {

// The commands that need songs in the playlist, by menu command.
constexpr UINT kPlaylistCommands[] = {1003, 1004, 1011, 1012, 1100, 1101, 1102, 1104, 1105,
                                      1107, 1108, 1109, 1111, 1112, 1306, 1307, 1309, 1310};

}  // namespace

void frmConsole::SetLabel(Label label, const std::string& text) {
    SetLabelText(label, text);
}

void frmConsole::SetLabelText(std::int32_t label, const std::string& text) {
    if (label < 0 || label >= kLabels || lbl_[static_cast<std::size_t>(label)].text == text) return;
    lbl_[static_cast<std::size_t>(label)].text = text;
    const RECT r = ToPixels(lbl_[static_cast<std::size_t>(label)].twips);
    InvalidateRect(hwnd_, &r, TRUE);
}

std::int32_t frmConsole::SliderValue() const {
    return static_cast<std::int32_t>(SendMessageA(slider_, TBM_GETPOS, 0, 0));
}

void frmConsole::SetSliderValue(std::int32_t value) {
    SendMessageA(slider_, TBM_SETPOS, TRUE, value);
}

void frmConsole::SetCaption(const std::string& text) {
    SetWindowTextA(hwnd_, text.c_str());
}

void frmConsole::SetTrayTip(const std::string& text) {
    trayIcon_.Tip(text);
}

void frmConsole::EnablePlaylistCommands(bool enable) {
    for (const UINT id : kPlaylistCommands)
        EnableMenuItem(menu_, id, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(SubMenu(ConsoleMenu::PlayList), 3,
                   MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(SubMenu(ConsoleMenu::PlayList), 4,
                   MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
}

void frmConsole::RunPlayModeCommand(std::int32_t playMode) {
    commands_->mnuMode_Click(playMode);
}

void frmConsole::SetRepeatAllBox(bool on) {
    TickRepeatAll(on);
}

void frmConsole::RunTimeModeCommand(std::int32_t timeMode) {
    commands_->mnuMode_Click(6 + timeMode);
}

void frmConsole::ApplyWindowSettings() {
    if (Options.OnTop())
        formUtils_->ZOnTop();
    else
        formUtils_->ZNormal();
    box_->ChangeWindowState(Options.DisplayState());
}

bool frmConsole::CloseAlbum() {
    return commands_->CloseAlbum();
}

void frmConsole::AddRecentAlbum(const std::string& path) {
    recentFiles_->Add(path);
}

std::string frmConsole::MostRecentAlbum() const {
    return recentFiles_->Files().empty() ? "" : recentFiles_->Files().front();
}

std::string frmConsole::ResourceString(std::int32_t id) const {
    char text[256] = {};
    LoadStringA(instance_, static_cast<UINT>(id), text, sizeof(text));
    return text;
}

void frmConsole::CheckMenuItem(ConsoleMenu menu, std::int32_t index, bool checked) {
    const UINT id = IDM_BASE + 100 * static_cast<UINT>(menu) + static_cast<UINT>(index);
    ::CheckMenuItem(SubMenu(menu), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void frmConsole::SelectModeOption(std::int32_t index) {
    const bool mode = index <= 2;
    for (int i = mode ? 0 : 6; i <= (mode ? 2 : 7); ++i)
        SendMessageA(optMode_[static_cast<std::size_t>(i)], BM_SETCHECK,
                     i == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool frmConsole::RepeatAllTicked() const {
    return SendMessageA(chkRepeatAll_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmConsole::TickRepeatAll(bool on) {
    SendMessageA(chkRepeatAll_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    commands_->chkRepeatAll_Click(on);
}

void frmConsole::ShowRepeatAllLabel(bool on) {
    repeatAllShown_ = on;
    const RECT r = ToPixels(lbl_[6].twips);
    InvalidateRect(hwnd_, &r, TRUE);
}

void frmConsole::ShowOptions() {
    frmOptions dialog(instance_, platform_.registry, *this);
    dialog.ShowModal(hwnd_);
}

void frmConsole::DisplayStateChanged(std::int32_t state) {
    box_->ChangeWindowState(state);
}

void frmConsole::ColorsChanged() {
    CheckColors();
    if (LyricsShowing) lyrics_->CheckColors();
    if (SongShowing && song_) song_->CheckColors();
}

void frmConsole::FontChanged(int slot) {
    if (slot == 0 || slot == 1) CheckFonts();
    if (slot == 2 && LyricsShowing) lyrics_->CheckFonts();
}

void frmConsole::OnTopChanged(bool onTop) {
    CFormUtils* const windows[] = {formUtils_.get(), lyrics_->formUtils(),
                                   song_ ? song_->formUtils() : nullptr};
    for (CFormUtils* window : windows) {
        if (!window) continue;
        if (onTop)
            window->ZOnTop();
        else
            window->ZNormal();
    }
}

void frmConsole::RecentCountChanged(std::int32_t count) {
    recentFiles_->SetMaxRecent(count);
}

void frmConsole::LyricsChecksChanged() {
    if (LyricsShowing) lyrics_->CheckLyricsBoxes();
}

void frmConsole::ShowAddFolder() {
    frmAddFolder dialog(instance_, platform_.registry, *finder_, *box_, *list_, platform_.messages);
    dialog.ShowModal(hwnd_);
}

void frmConsole::ShowLyricsOf(const CSong& song) {
    lyrics_->Show();
    lyrics_->ShowLyrics(song);
}

}  // namespace brambletune
