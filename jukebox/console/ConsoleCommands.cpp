#include "jukebox/console/ConsoleCommands.h"

#include <cctype>

#include "jukebox/console/CRecentFiles.h"
#include "jukebox/console/MFindFile.h"
#include "jukebox/console/PlaylistRows.h"
#include "jukebox/model/AnsiText.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/TextCase.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/ConsoleView.h"
#include "jukebox/playback/MciApi.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

// Song menu items.
constexpr std::int32_t kPlay = 0, kStop = 1, kPause = 2, kBack = 4, kNext = 5;
// Mode menu items.
constexpr std::int32_t kRepeatAllItem = 4, kElapsedItem = 6, kRemainingItem = 7;
// Album menu items.
constexpr std::int32_t kCloseItem = 6, kCloseWithoutSaving = 7, kExitItem = 16;

// The maker's pages; the menu items that open them do nothing while they are empty.
constexpr const char* kWebSite1 = "";
constexpr const char* kWebSite2 = "";
constexpr const char* kMailingList = "";
constexpr const char* kCommunityPage = "";

}  // namespace

void OpenOrChoose(DesktopShell& shell, const std::string& target) {
    if (target.empty()) return;
    if (!shell.ShellOpen(target, 3, "")) shell.ShowOpenWith(target);
}

ConsoleCommands::ConsoleCommands(const Services& services) : s_(services) {}

bool ConsoleCommands::HasSongs() const {
    return !s_.box.list.IsEmpty();
}

bool ConsoleCommands::CloseAlbum() {
    if (s_.box.dirty) {
        const bool save =
            Options.AutoSave() ||
            s_.messages.Show("Do you wish to save the Album?", "Save Album",
                             MessageBoxService::kYesNo | MessageBoxService::kIconQuestion) ==
                MessageBoxService::kIdYes;
        // A save the user cancelled or the disk refused keeps the album open and changed.
        if (save && !s_.box.DoSave(false)) return false;
        s_.recentFiles.Add(s_.box.CurrentFileName);
    }
    mnuAlbum_Click(kCloseWithoutSaving);
    return true;
}

bool ConsoleCommands::OpenAlbum(const std::string& path) {
    if (!CloseAlbum()) return false;
    s_.box.DoOpen(path);
    s_.recentFiles.Add(s_.box.CurrentFileName);
    return true;
}

void ConsoleCommands::mnuAlbum_Click(std::int32_t index) {
    switch (index) {
    case 0:
    case kCloseItem: CloseAlbum(); break;
    case 1: OpenAlbum(""); break;
    case 3:
        if (s_.box.dirty && s_.box.DoSave(false)) s_.recentFiles.Add(s_.box.CurrentFileName);
        break;
    case 4:
        if (s_.box.DoSave(true)) s_.recentFiles.Add(s_.box.CurrentFileName);
        break;
    case kCloseWithoutSaving:
        s_.box.Clear();
        s_.box.dirty = false;
        break;
    case 9: s_.box.DoAppend(); break;
    case 10: s_.box.DoImport(); break;
    case 11: s_.box.DoExport(); break;
    case 12: s_.box.DoPrint(); break;
    case kExitItem:
        if (CloseAlbum()) s_.ui.Unload();
        break;
    default: break;
    }
}

void ConsoleCommands::mnuRecent_Click(std::string album) {
    if (!OpenAlbum(album)) return;
    if (HasSongs() && Options.AutoPlay()) s_.box.PlaySong(0);
}

void ConsoleCommands::Play() {
    if (!s_.box.SetCurrentSong()) {
        s_.box.PlaySong(0);
        s_.box.dirty = true;
        return;
    }
    switch (s_.box.IsPlaying()) {
    case mci::kModeStop: s_.box.PlaySong(s_.box.SLDPercent()); break;
    case mci::kModePlay: break;
    case mci::kModePause: s_.box.PauseSong(); break;
    default: s_.box.PlaySong(0); break;
    }
}

void ConsoleCommands::mnuSong_Click(std::int32_t index) {
    if (!HasSongs()) return;
    const std::int32_t selected = s_.rows.SelectedItem();
    switch (index) {
    case kPlay: Play(); break;
    case kStop: s_.box.StopSong(true); break;
    case kPause: s_.box.PauseSong(); break;
    case kBack: s_.box.BackButton(); break;
    case kNext: s_.box.NextButton(); break;
    case 7: s_.ui.ShowSongInfo(selected); break;
    case 8: s_.ui.ShowBatchEdit(); break;
    case 9: s_.ui.ShowLyricsOf(s_.box.SelectedSong()); break;
    case 11:
        if (selected > 0 && !s_.shell.ShowProperties(s_.box.SelectedSong().songPath))
            s_.messages.Show("File properties could not be shown", "File Properties",
                             MessageBoxService::kIconError);
        break;
    case 12: {
        if (selected == 0) break;
        const std::string folder = ParentPath(s_.box.SelectedSong().songPath, s_.textCase);
        const std::uint32_t attributes = s_.shell.Attributes(folder);
        if (attributes == DesktopShell::kNoFile || !(attributes & DesktopShell::kDirectoryOnly))
            s_.messages.Show("Path " + folder + " not found", "Invalid Path",
                             MessageBoxService::kIconError);
        else
            s_.shell.ShellOpen(folder, 1, "");
        break;
    }
    default: break;
    }
}

void ConsoleCommands::mnuMode_Click(std::int32_t index) {
    if (index >= 0 && index <= 2) {
        s_.box.list.PlayMode = index;
        s_.ui.SetLabelText(ConsoleView::kModeLabel, s_.ui.ResourceString(100 + index));
        for (std::int32_t i = 0; i <= 2; ++i) s_.ui.CheckMenuItem(ConsoleMenu::Mode, i, i == index);
        s_.ui.SelectModeOption(index);
        s_.box.dirty = true;
        s_.box.list.ClearHistory();
    } else if (index == kRepeatAllItem) {
        s_.ui.TickRepeatAll(!s_.box.list.repeatAll);
        s_.box.dirty = true;
        s_.box.list.ClearHistory();
    } else if (index == kElapsedItem || index == kRemainingItem) {
        Options.SetTimeMode(index - kElapsedItem);
        s_.ui.SetLabelText(ConsoleView::kTimeModeLabel,
                           s_.ui.ResourceString(200 + index - kElapsedItem));
        s_.ui.CheckMenuItem(ConsoleMenu::Mode, kElapsedItem, index == kElapsedItem);
        s_.ui.CheckMenuItem(ConsoleMenu::Mode, kRemainingItem, index == kRemainingItem);
        s_.ui.SelectModeOption(index);
    }
}

void ConsoleCommands::chkRepeatAll_Click(bool ticked) {
    s_.box.list.repeatAll = ticked;
    s_.ui.CheckMenuItem(ConsoleMenu::Mode, kRepeatAllItem, ticked);
    s_.ui.ShowRepeatAllLabel(ticked);
}

void ConsoleCommands::mnuPlayList_Click(std::int32_t index) {
    switch (index) {
    case 0: s_.box.DoAdd(); break;
    case 1: s_.ui.ShowAddFolder(); break;
    case 6: s_.ui.ShowFind(FindSong); break;
    case 7: {
        if (FindSong.IsEmpty() || s_.rows.Count() == 0) break;
        std::int32_t found = s_.box.Find(s_.ui.Handle(), FindSong, s_.rows.SelectedItem() + 1);
        if (found == -1) found = 1;
        s_.rows.SetSelectedItem(found);
        break;
    }
    case 9:
        s_.rows.SelectAll(true);
        s_.box.CalculateSelectedLength();
        break;
    case 10: s_.box.GoCurrent(); break;
    case 12: s_.ui.ShowOptions(); break;
    default: break;
    }
}

void ConsoleCommands::mnuRemove_Click(std::int32_t index) {
    switch (index) {
    case 0: s_.box.RemoveSelected(); break;
    case 1: s_.box.RemoveDuplicates(); break;
    case 2: s_.box.RemoveDead(); break;
    case 3:
        for (std::int32_t i = s_.rows.Count(); i >= 1; --i)
            if (i <= s_.rows.Count() && s_.rows.IsSelected(i))
                s_.box.RemovePhysically(s_.rows.KeyOfIndex(i));
        break;
    default: break;
    }
}

void ConsoleCommands::mnuSort_Click(std::int32_t index) {
    if (index >= 1 && index <= 5) s_.rows.ColumnClick(index);
}

void ConsoleCommands::mnuHelp_Click(std::int32_t index) {
    switch (index) {
    case 0: {
        const std::string help =
            GetRegString(s_.registry, RegistryStore::kLocalMachine,
                         "Software\\Microsoft\\Windows\\CurrentVersion", "CommonFilesDir", "") +
            "\\Tallowmere\\bram_usage.html";
        if (!s_.files.FileExists(help))
            s_.messages.Show("Help files could not be found!", "Error opening help",
                             MessageBoxService::kIconError);
        else
            OpenOrChoose(s_.shell, help);
        break;
    }
    case 1: s_.ui.ShowTips(); break;
    case 3: OpenOrChoose(s_.shell, kWebSite1); break;
    case 4: OpenOrChoose(s_.shell, kWebSite2); break;
    case 6:
        if (std::string(kMailingList).empty()) break;
        s_.messages.Show(
            "A new email message will now be created.  Send the empty email as is, and you will "
            "be added to the mailing list.",
            "Join the Tallowmere mailing list", MessageBoxService::kIconInformation);
        OpenOrChoose(s_.shell, kMailingList);
        break;
    case 7: OpenOrChoose(s_.shell, kCommunityPage); break;
    case 9: s_.ui.ShowAbout(); break;
    default: break;
    }
}

void ConsoleCommands::mnuListPopup_Click(std::int32_t index) {
    mnuSong_Click(index + 7);
}

void ConsoleCommands::mnuTrayPopup_Click(std::int32_t index) {
    if (index == 14)
        mnuAlbum_Click(kExitItem);
    else
        mnuSong_Click(index);
}

void ConsoleCommands::JumpTo(float fraction) {
    s_.box.SLDMouseDown(1);
    s_.box.SetSLDPercent(fraction);
    s_.box.SLDMouseUp(1);
}

bool ConsoleCommands::Form_KeyPress(char key) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    if (upper >= '0' && upper <= '9') {
        JumpTo(static_cast<float>(upper - '0') / 10.0f);
        return true;
    }
    switch (upper) {
    case 'A': mnuSong_Click(kPlay); return true;
    case 'S': mnuSong_Click(kPause); return true;
    case 'D': mnuSong_Click(kStop); return true;
    case 'F': mnuSong_Click(kBack); return true;
    case 'G': mnuSong_Click(kNext); return true;
    case 'Z': mnuMode_Click(0); return true;
    case 'X': mnuMode_Click(1); return true;
    case 'C': mnuMode_Click(2); return true;
    case 'V': mnuMode_Click(kRepeatAllItem); return true;
    case 'B': mnuMode_Click(kElapsedItem); return true;
    case 'N': mnuMode_Click(kRemainingItem); return true;
    default: return false;
    }
}

void ConsoleCommands::PlayOrPause() {
    mnuSong_Click(s_.box.IsPlaying() == mci::kModePlay ? kPause : kPlay);
}

void ConsoleCommands::MediaKey(MediaCommand command) {
    switch (command) {
    case MediaCommand::kPlayOrPause: PlayOrPause(); break;
    case MediaCommand::kStop: mnuSong_Click(kStop); break;
    case MediaCommand::kNext: mnuSong_Click(kNext); break;
    case MediaCommand::kPrevious: mnuSong_Click(kBack); break;
    case MediaCommand::kNone: break;
    }
}

void ConsoleCommands::Form_KeyUp(char key, bool ctrl) {
    if (!ctrl) return;
    if (key == 'C') SavedPosition = s_.box.SLDPercent();
    if (key == 'V') JumpTo(SavedPosition);
}

void ConsoleCommands::lbl_MouseDown(std::int32_t index) {
    switch (index) {
    case 0:
    case 7: mnuMode_Click(Options.TimeMode() == 1 ? kElapsedItem : kRemainingItem); break;
    case 4: PlayOrPause(); break;
    case 5: mnuMode_Click(s_.box.list.PlayMode >= 2 ? 0 : s_.box.list.PlayMode + 1); break;
    case 6: mnuMode_Click(kRepeatAllItem); break;
    case 9: s_.box.GoCurrent(); break;
    case 11: s_.ui.ShowVolume(); break;
    default: break;
    }
}

void ConsoleCommands::AddFolder(const std::string& folder) {
    std::int32_t folders = 0;
    std::int32_t found = 0;
    s_.finder.FindFiles(folder, kMultimediaPatterns, folders, found);
    // The search pumps messages; copy the results before anything can start another.
    const std::vector<std::string> paths(s_.finder.FoundFiles.begin(),
                                         s_.finder.FoundFiles.begin() + found);
    for (const std::string& path : paths) s_.box.AddByPath(path);
}

void ConsoleCommands::Drop(const std::vector<std::string>& files) {
    if (files.empty()) return;
    const std::string& first = files.front();
    // The last three characters, not bytes: in a double-byte code page the
    // 'A' may be the trail byte of a character.
    const std::size_t tail = first.size() < 3 ? 0 : first.size() - 3;
    const bool album = first.size() >= 3 && IsCharStart(first, tail, s_.textCase) &&
                       s_.textCase.Upper(first.substr(tail)) == "ALB";
    if (album) {
        if (OpenAlbum(first) && HasSongs() && Options.AutoPlay()) s_.box.PlaySong(0);
        return;
    }
    for (const std::string& file : files) {
        if (s_.shell.Attributes(file) == DesktopShell::kDirectoryOnly)
            AddFolder(file);
        else
            s_.box.AddByPath(file);
    }
}

}  // namespace brambletune
