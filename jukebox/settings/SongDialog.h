#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "jukebox/model/CSong.h"
#include "jukebox/settings/GenreList.h"

namespace brambletune {

class CJukeBox;
class CodePages;
class FileSystem;
class MessageBoxService;
class PlaylistView;
class SongDialogView;
class TextCase;
enum class TagFileResult;

// What the song dialog works on. All must outlive it.
struct SongDialogServices {
    CJukeBox& box;
    PlaylistView& rows;
    MessageBoxService& messages;
    FileSystem& files;
    const TextCase& textCase;
    const CodePages& codePages;
};

// The rules of the song dialog in its three modes: find, song information and
// batch edit. It keeps the dialog's song and its boxes in step and applies
// them to the playlist through the engine.
class SongDialog {
public:
    enum Mode : std::int32_t { kFind = 0, kInfo = 1, kBatchEdit = 2 };
    enum Box : int { kTitle, kPath, kArtist, kAlbum, kYear, kLyrics, kComments, kBoxes };
    enum Button : int { kModeButton0, kModeButton1, kClose, kID3, kPicture };
    enum ID3Item : int { kReadTag, kSaveTag, kDeleteTag };

    SongDialog(SongDialogView& view, const SongDialogServices& services,
               std::vector<GenreEntry> genres);

    // Sets the mode before a new window loads, so that it reads that mode's
    // placement; the new window's genre list is filled by the next Init.
    void SetMode(Mode mode) {
        DialogMode = mode;
        shown_.clear();
    }
    // The window-settings name of the mode: "Song0" .. "Song2".
    std::string WindowName() const;

    // row: 1-based position in the playlist view.
    void InitInfo(std::int32_t row);
    void InitBatchEdit();
    // Kept by reference: the console keeps the last criteria.
    void InitFind(CSong& criteria);

    void cmdSong_Click(int index);
    void txt_Change(int box);
    // The genre selection may have changed.
    void cbo_Validate();
    void mnuID3_Click(int index);

    Mode DialogMode = kInfo;
    std::int32_t SongIndex = 0;
    bool SongChanged = false;
    bool Filling = false;
    int LastGenreIndex = -1;
    const CSong& DialogSong() const { return *song_; }

private:
    void SetCaptions(const char* caption, const char* button0, const char* button1);
    void SyncSongToward();
    void SyncSongFrom();
    void SelectGenreNumber(std::int32_t number);
    void SetGenres(std::int32_t extraNumber);
    std::int32_t SelectedGenreNumber() const;
    void LoadRow(std::int32_t row);
    std::int32_t ShownRow() const;

    void InfoButtons(int index);
    void AskToSave();
    void Save();
    void NextSong();
    void BatchButtons(int index);
    void ApplyBatch(std::int32_t position);
    void FindButtons(int index);
    void SelectFound(std::int32_t found);

    void ReadTagIntoBoxes();
    void SaveTagFromBoxes();
    void ReportFileResult(TagFileResult result, const std::string& caption);

    SongDialogView& view_;
    SongDialogServices s_;
    std::vector<GenreEntry> genres_;  // the fixed list
    std::vector<GenreEntry> shown_;   // the list, plus an entry for an unnamed genre
    CSong own_;                       // the song shown, or the batch template
    CSong* song_ = &own_;             // own_, or the console's find criteria
    int loadedGenreIndex_ = -1;       // the genre selection the shown song came with
};

}  // namespace brambletune
