#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "jukebox/console/LongPath.h"
#include "jukebox/console/MediaKeys.h"
#include "jukebox/model/CSong.h"

namespace brambletune {

class CJukeBox;
class CRecentFiles;
class FileSystem;
class MFindFile;
class MessageBoxService;
class PlaylistRows;
class RegistryStore;
class TextCase;

// The console's menus, by their index on the menu bar and below it.
enum class ConsoleMenu { Album, Song, Mode, PlayList, Help, Remove, Sort, Recent };

// The pattern list searched in folders dropped on the playlist.
inline constexpr const char* kMultimediaPatterns =
    "*.avi;*.mov;*.mpg;*.mpe*;*.qt;*.wmv;*.rm;*.aif*;*.au;*.cda;*.mid;*.rmi;*.snd;*.wav;*.wma;"
    "*.mp2;*.mp3;*.ra;";

// The console window as its commands use it, beyond what the engine writes.
class ConsoleWindowUi {
public:
    virtual ~ConsoleWindowUi() = default;
    virtual std::uintptr_t Handle() const = 0;
    virtual void CheckMenuItem(ConsoleMenu menu, std::int32_t index, bool checked) = 0;
    // Selects option button optMode(index).
    virtual void SelectModeOption(std::int32_t index) = 0;
    virtual bool RepeatAllTicked() const = 0;
    // Ticks or clears the Repeat All box, which runs chkRepeatAll_Click.
    virtual void TickRepeatAll(bool on) = 0;
    // Shows or hides the "Repeat All" label (text or background colour).
    virtual void ShowRepeatAllLabel(bool on) = 0;
    virtual void SetLabelText(std::int32_t label, const std::string& text) = 0;
    virtual std::string ResourceString(std::int32_t id) const = 0;
    // Closes the console: its unload runs.
    virtual void Unload() = 0;

    // The console's other windows.
    virtual void ShowAddFolder() = 0;
    virtual void ShowOptions() = 0;
    virtual void ShowSongInfo(std::int32_t row) = 0;
    virtual void ShowBatchEdit() = 0;
    // criteria is the console's own, kept by the find dialog.
    virtual void ShowFind(CSong& criteria) = 0;
    virtual void ShowLyricsOf(const CSong& song) = 0;
    virtual void ShowTips() = 0;
    virtual void ShowAbout() = 0;
    virtual void ShowVolume() = 0;
};

// The shell as the console's commands use it.
class DesktopShell {
public:
    static constexpr std::uint32_t kNoFile = 0xFFFFFFFF;   // INVALID_FILE_ATTRIBUTES
    static constexpr std::uint32_t kDirectoryOnly = 0x10;  // FILE_ATTRIBUTE_DIRECTORY

    virtual ~DesktopShell() = default;
    // Opens file with the verb "Open"; true when the shell succeeded.
    virtual bool ShellOpen(const std::string& file, std::int32_t showCommand,
                           const std::string& parameters) = 0;
    // The shell's Open With chooser for the file.
    virtual void ShowOpenWith(const std::string& file) = 0;
    // The shell's properties sheet of the file; false when it could not be shown.
    virtual bool ShowProperties(const std::string& file) = 0;
    // The file's attributes, kNoFile when it does not exist.
    virtual std::uint32_t Attributes(const std::string& path) const = 0;
};

// Opens file or address maximised; when the shell cannot, offers Open With.
void OpenOrChoose(DesktopShell& shell, const std::string& target);

// Everything the user can command on the console: the menu items, the keys,
// the clickable labels, the tray and files dropped on the playlist. Buttons,
// labels, keys and pop-up menus all end in the menu handlers, by item index.
class ConsoleCommands {
public:
    struct Services {
        CJukeBox& box;
        PlaylistRows& rows;
        CRecentFiles& recentFiles;
        ConsoleWindowUi& ui;
        MessageBoxService& messages;
        DesktopShell& shell;
        RegistryStore& registry;
        MFindFile& finder;
        const FileSystem& files;
        const TextCase& textCase;
    };

    explicit ConsoleCommands(const Services& services);

    void mnuAlbum_Click(std::int32_t index);
    // album by value: opening it changes the recent list the caller may have taken it from.
    void mnuRecent_Click(std::string album);
    void mnuSong_Click(std::int32_t index);
    void mnuMode_Click(std::int32_t index);
    void mnuPlayList_Click(std::int32_t index);
    void mnuRemove_Click(std::int32_t index);
    void mnuSort_Click(std::int32_t index);
    void mnuHelp_Click(std::int32_t index);
    void mnuListPopup_Click(std::int32_t index);
    void mnuTrayPopup_Click(std::int32_t index);
    void chkRepeatAll_Click(bool ticked);

    // A typed character; true when it was a command key.
    bool Form_KeyPress(char key);
    // Ctrl+C keeps the position, Ctrl+V goes back to it.
    void Form_KeyUp(char key, bool ctrl);
    // A press on label index, after the window has handled dragging.
    void lbl_MouseDown(std::int32_t index);
    // A media key, wherever it reached the console.
    void MediaKey(MediaCommand command);
    // Files dropped on the playlist, in drop order.
    void Drop(const std::vector<std::string>& files);

    // The album is closed, offering to save it first. False, with the album
    // left open and changed, when the save was cancelled or failed.
    bool CloseAlbum();

    CSong FindSong;
    float SavedPosition = 0;

private:
    void Play();
    void PlayOrPause();
    void JumpTo(float fraction);
    bool OpenAlbum(const std::string& path);
    void AddFolder(const std::string& folder);
    bool HasSongs() const;

    Services s_;
};

}  // namespace brambletune
