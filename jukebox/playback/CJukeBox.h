#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "jukebox/model/AlbumFile.h"
#include "jukebox/model/CSong.h"
#include "jukebox/model/CSongList.h"
#include "jukebox/playback/CMCICtrl.h"
#include "jukebox/playback/DuplicateIndex.h"
#include "jukebox/playback/PlaylistView.h"

namespace brambletune {

class CodePages;
class ConsoleView;
class FileDialogs;
class FileSystem;
class LyricsView;
class MMCICtrl;
class MessageBoxService;
class MousePointer;
class PathNames;
class PlaylistView;
class PrintService;
class Printer;
class RegistryStore;
class ShellService;
class TextCase;

// Everything the engine works through. All must outlive the engine.
struct JukeBoxServices {
    ConsoleView& console;
    PlaylistView& rows;
    MMCICtrl& mci;
    FileSystem& files;
    const PathNames& paths;
    const TextCase& textCase;
    MessageBoxService& messages;
    FileDialogs& dialogs;
    PrintService& printing;
    ShellService& shell;
    LyricsView& lyrics;
    MousePointer& pointer;
    RegistryStore& registry;
    const CodePages& codePages;
};

// Seconds as "m:ss" below an hour, else "h:mm:ss".
std::string FormatTime(std::int32_t seconds);

// The jukebox engine: the play order, the two MCI devices and the segue
// between them, play errors, the time display, and every playlist operation,
// keeping the song list, the playlist rows (keyed by song index) and the
// current song consistent. Runs on the window thread; the console calls it.
class CJukeBox {
public:
    explicit CJukeBox(const JukeBoxServices& services);
    ~CJukeBox();
    CJukeBox(const CJukeBox&) = delete;
    CJukeBox& operator=(const CJukeBox&) = delete;

    CSongList list;
    bool dirty = false;
    std::string CurrentFileName;
    std::string captionMsg;

    // Play side.
    void Init();
    void Terminate();
    std::int32_t IsPlaying();
    void PlaySong(float fraction);
    void NextSong();
    void NextButton();
    void BackButton();
    void PauseSong();
    void StopSong(bool both);
    bool SetCurrentSong();
    void GoCurrent();
    void UpdateLastSong();
    void PlayFile(const std::string& path);
    void PlayRecent();
    std::string GetTime(std::int32_t seconds);
    float SLDPercent() const;
    void SetSLDPercent(float fraction);
    void SLDMouseDown(std::int32_t button);
    void SLDMouseMove(std::int32_t button);
    void SLDMouseUp(std::int32_t button);
    void MMCStatusUpdate();
    void MMCCheckPlayNext();
    void MMCNotify(std::int32_t device, std::uint32_t flags);
    void MCI0_Notify(std::uint32_t flags) { MMCNotify(0, flags); }
    void MCI1_Notify(std::uint32_t flags) { MMCNotify(1, flags); }
    void UpdateConsole();
    void ChangeWindowState(std::int32_t state);

    // Playlist side.
    void Add(const CSong& song);
    void AddByPath(const std::string& path);
    void DoAdd();
    void DoAppend();
    void DoImport();
    void DoExport();
    void DoOpen(const std::string& path);
    // True when the album was written; a cancelled dialog or a failed write
    // leaves the album, its name and its changed mark as they were.
    bool DoSave(bool saveAs);
    void DoPrint();
    void PrintPlaylist(Printer& printer, bool selectedOnly);
    // The row position of the next song like criteria, or -1.
    std::int32_t Find(std::uintptr_t owner, const CSong& criteria, std::int32_t start);
    void RemoveByIndex(std::int32_t position);
    void RemoveByKey(const std::string& key);
    // Removes the songs of the selected rows.
    void RemoveSelected();
    void RemoveDead();
    void RemoveDuplicates();
    // Asks, then sends the song's file (and lyrics) to the Recycle Bin and removes the song.
    void RemovePhysically(std::int32_t index);
    void CalculateSelectedLength();
    void Clear();
    // The song of the selected row; an empty song when nothing is selected.
    CSong SelectedSong() const;
    void SetSong(const CSong& song, const std::string& key);

    // The song the song dialog shows, followed through removals like the
    // current song; -1 once it has left the list.
    void SetDialogSong(std::int32_t index) { dialogSong_ = index; }
    std::int32_t DialogSong() const { return dialogSong_; }

    // The song whose file the active device plays; -1 for none.
    std::int32_t CurrentIndex() const { return current_; }
    // The program's random numbers in [0, 1): the shuffle order and the tips window draw them.
    double Random() { return uniform_(random_); }

private:
    // Songs being removed: the song index of each (kept up to date as songs
    // move) and, by song index, its slot in doomed or -1.
    struct Removal {
        std::vector<std::int32_t> doomed;
        std::vector<std::int32_t> slotOf;
    };
    struct PlayError {
        bool segueFailed = false;
        std::uint32_t code = 0;
        std::string text;
    };

    CMCICtrl& Active() { return active_ == 0 ? *MCI0_ : *MCI1_; }
    CMCICtrl& Other() { return active_ == 0 ? *MCI1_ : *MCI0_; }
    void SwapDevices() { active_ = 1 - active_; }
    bool HasCurrent() const { return current_ >= 0 && current_ < list.nSongs(); }

    void NextNormal();
    void NextShuffle();
    void ReadHistory();
    bool StartCurrent(float fraction);
    void HandlePlayError(const std::string& text);
    bool CountFailure();
    void RemoveCurrentAfterError();
    void ShowNowPlaying();
    void ShowLyrics();

    RowTexts TextsOf(const CSong& song) const;
    void AddRow(std::int32_t index);
    void ShowCount();
    // The song that was at index with this path: still at index, or wherever
    // it went; -1 when the list no longer holds it or index named no song.
    std::int32_t SongIndexOf(std::int32_t index, const std::string& path) const;
    void RemoveRowsInOrder(const std::vector<std::int32_t>& positions);
    void RemoveSong(std::int32_t index, Removal& removal);

    void ShowAlbumRead(std::int32_t currentSong);
    bool ChooseAlbum(const std::string& title, std::string& path);
    bool ReadAlbumFile(const std::string& path, AlbumMode mode, AlbumPosition& position);
    void ShowAlbumCaption();
    void PrintHeading(Printer& printer, std::int32_t& y);
    void PrintRow(Printer& printer, std::int32_t y, std::int32_t position);

    JukeBoxServices s_;
    std::unique_ptr<CMCICtrl> MCI0_;
    std::unique_ptr<CMCICtrl> MCI1_;
    std::int32_t active_ = 0;
    std::int32_t current_ = -1;
    std::int32_t last_ = -1;
    std::int32_t dialogSong_ = -1;
    std::int32_t sliderScale_ = 0;
    bool dragging_ = false;
    bool segueArmed_ = true;
    bool advanceAllowed_ = true;
    bool stopped_ = false;
    std::int32_t failures_ = 0;
    std::vector<std::uint8_t> played_;      // the songs' history marks, by index
    std::int32_t playedCount_ = 0;          // marks set in played_
    std::uint64_t historyChanges_ = ~0ull;  // list.Changes() when played_ was read
    PlayError playError_;
    std::mt19937 random_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    DuplicateIndex identities_;
    CSong findCriteria_;
    std::int32_t findPosition_ = 0;
};

}  // namespace brambletune
