#include "jukebox/settings/SongDialog.h"

#include "jukebox/model/MID3.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/PlaylistView.h"
#include "jukebox/settings/SongDialogView.h"
#include "jukebox/settings/TagWriter.h"

namespace brambletune {
namespace {

// The song's text fields in the order of the boxes.
std::string* Field(CSong& song, int box) {
    switch (box) {
    case SongDialog::kTitle: return &song.songTitle;
    case SongDialog::kPath: return &song.songPath;
    case SongDialog::kArtist: return &song.songArtist;
    case SongDialog::kAlbum: return &song.songAlbum;
    case SongDialog::kYear: return &song.songYear;
    case SongDialog::kLyrics: return &song.songLyrics;
    case SongDialog::kComments: return &song.songComments;
    default: return nullptr;
    }
}

}  // namespace

SongDialog::SongDialog(SongDialogView& view, const SongDialogServices& services,
                       std::vector<GenreEntry> genres)
    : view_(view), s_(services), genres_(std::move(genres)) {}

std::string SongDialog::WindowName() const {
    return "Song" + std::to_string(DialogMode);
}

void SongDialog::InitInfo(std::int32_t row) {
    DialogMode = kInfo;
    song_ = &own_;
    SetCaptions("Song Information", "&Save", "&Next Song");
    view_.ShowButton(kID3, true);
    view_.ShowButton(kPicture, true);
    SongChanged = false;
    LoadRow(row);
}

void SongDialog::InitBatchEdit() {
    DialogMode = kBatchEdit;
    own_.Clear();
    song_ = &own_;
    SetCaptions("Batch Edit Song Information", "&Set Selected", "Set &All");
    SyncSongFrom();
    view_.SelectGenre(-1);
    LastGenreIndex = -1;
}

void SongDialog::InitFind(CSong& criteria) {
    DialogMode = kFind;
    song_ = &criteria;
    SetCaptions("Find Song", "&Find", "Find &Next");
    SyncSongFrom();
    view_.SelectGenre(-1);
    LastGenreIndex = -1;
}

void SongDialog::SetCaptions(const char* caption, const char* button0, const char* button1) {
    view_.SetCaption(caption);
    view_.SetButtonCaption(kModeButton0, button0);
    view_.SetButtonCaption(kModeButton1, button1);
    view_.EnableButton(kModeButton1, true);
    view_.ShowButton(kID3, false);
    view_.ShowButton(kPicture, false);
}

void SongDialog::SyncSongToward() {
    Filling = true;
    for (int box = 0; box < kBoxes; ++box) *Field(*song_, box) = view_.Text(box);
    song_->songGenre = SelectedGenreNumber();
    LastGenreIndex = view_.GenreSelection();
    Filling = false;
}

void SongDialog::SyncSongFrom() {
    Filling = true;
    for (int box = 0; box < kBoxes; ++box) view_.SetText(box, *Field(*song_, box));
    SelectGenreNumber(song_->songGenre);
    LastGenreIndex = view_.GenreSelection();
    Filling = false;
}

// A number no entry carries gets an entry of its own, so that it shows and
// survives a save the user made without touching the genre.
void SongDialog::SelectGenreNumber(std::int32_t number) {
    const bool named = number == kNoGenre || !GenreName(number).empty();
    SetGenres(named || number < 0 || number > 255 ? -1 : number);
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (shown_[i].number == number) {
            view_.SelectGenre(static_cast<int>(i));
            return;
        }
    }
}

void SongDialog::SetGenres(std::int32_t extraNumber) {
    std::vector<GenreEntry> wanted = genres_;
    if (extraNumber >= 0) wanted.push_back({"Genre " + std::to_string(extraNumber), extraNumber});
    if (!shown_.empty() && wanted.size() == shown_.size() &&
        wanted.back().number == shown_.back().number)
        return;
    shown_ = std::move(wanted);
    std::vector<std::string> names;
    for (const GenreEntry& entry : shown_) names.push_back(entry.name);
    view_.SetGenreNames(names);
}

std::int32_t SongDialog::SelectedGenreNumber() const {
    const int selected = view_.GenreSelection();
    if (selected < 0 || selected >= static_cast<int>(shown_.size())) return kAnyGenre;
    return shown_[static_cast<std::size_t>(selected)].number;
}

void SongDialog::LoadRow(std::int32_t row) {
    SongIndex = row;
    own_.Clear();
    const bool listed = row >= 1 && row <= s_.rows.Count();
    s_.box.SetDialogSong(listed ? s_.rows.KeyOfIndex(row) : -1);
    if (listed) own_.Copy(s_.box.list.song(s_.box.DialogSong()));
    SyncSongFrom();
    loadedGenreIndex_ = LastGenreIndex;
    view_.ShowRowIcon(row);
}

// The shown song's row now: a sort or a removal may have moved it.
std::int32_t SongDialog::ShownRow() const {
    const std::int32_t index = s_.box.DialogSong();
    if (index < 0) return SongIndex;
    const std::int32_t row = s_.rows.IndexOfKey(KeyToStr(index));
    return row > 0 ? row : SongIndex;
}

void SongDialog::cmdSong_Click(int index) {
    if (index == kClose) {
        if (DialogMode == kInfo) AskToSave();
        view_.Unload();
        return;
    }
    switch (DialogMode) {
    case kFind: FindButtons(index); break;
    case kInfo: InfoButtons(index); break;
    case kBatchEdit: BatchButtons(index); break;
    }
}

void SongDialog::txt_Change(int) {
    if (Filling) return;
    if (DialogMode == kFind) view_.EnableButton(kModeButton1, false);
    if (DialogMode == kInfo) SongChanged = true;
}

void SongDialog::cbo_Validate() {
    if (Filling) return;
    const int selected = view_.GenreSelection();
    if (selected == LastGenreIndex) return;
    if (DialogMode == kFind) view_.EnableButton(kModeButton1, false);
    if (DialogMode == kInfo) SongChanged = true;
    LastGenreIndex = selected;
}

void SongDialog::InfoButtons(int index) {
    switch (index) {
    case kModeButton0: Save(); break;
    case kModeButton1: NextSong(); break;
    case kID3:
    case kPicture: view_.PopupID3Menu(); break;
    default: break;
    }
}

void SongDialog::AskToSave() {
    if (!SongChanged) return;
    const int answer =
        s_.messages.ShowOwned(view_.Handle(), "Save changes to song?", "Save changes",
                              MessageBoxService::kYesNo | MessageBoxService::kIconQuestion);
    if (answer == MessageBoxService::kIdYes) Save();
    SongChanged = false;
}

// Only the fields the dialog edits go back: the song's length, learnt by
// playing it meanwhile, and its category stay, and so does a genre number the
// list has no entry for unless the user picked another genre.
void SongDialog::Save() {
    SyncSongToward();
    const std::int32_t index = s_.box.DialogSong();
    if (index < 0 || index >= s_.box.list.nSongs()) {
        s_.messages.ShowOwned(view_.Handle(),
                              "The song is no longer in the playlist; nothing was saved.",
                              "Song Information", MessageBoxService::kIconExclamation);
        return;
    }
    CSong song;
    song.Copy(s_.box.list.song(index));
    for (int box = 0; box < kBoxes; ++box) *Field(song, box) = *Field(*song_, box);
    if (view_.GenreSelection() != loadedGenreIndex_) song.songGenre = song_->songGenre;
    s_.box.SetSong(song, KeyToStr(index));
    loadedGenreIndex_ = view_.GenreSelection();
    SongChanged = false;
}

void SongDialog::NextSong() {
    AskToSave();
    if (s_.rows.Count() == 0) return;
    std::int32_t row = ShownRow() + 1;
    if (row > s_.rows.Count()) row = 1;
    s_.rows.SetSelectedItem(row);
    LoadRow(row);
}

void SongDialog::BatchButtons(int index) {
    if (index != kModeButton0 && index != kModeButton1) return;
    s_.box.dirty = true;
    SyncSongToward();
    bool anyField = song_->songGenre != kAnyGenre;
    for (int box = 0; box < kBoxes; ++box) anyField = anyField || !Field(*song_, box)->empty();
    if (!anyField) return;
    for (std::int32_t row = 1; row <= s_.rows.Count(); ++row)
        if (index == kModeButton1 || s_.rows.IsSelected(row)) ApplyBatch(row);
}

void SongDialog::ApplyBatch(std::int32_t position) {
    const std::int32_t index = s_.rows.KeyOfIndex(position);
    CSong song;
    song.Copy(s_.box.list.song(index));
    for (int box = 0; box < kBoxes; ++box) {
        const std::string& text = *Field(*song_, box);
        if (!text.empty()) *Field(song, box) = text;
    }
    if (song_->songGenre != kAnyGenre) song.songGenre = song_->songGenre;
    s_.box.SetSong(song, KeyToStr(index));
}

void SongDialog::FindButtons(int index) {
    if (index == kModeButton0) {
        SyncSongToward();
        if (song_->IsEmpty()) return;
        SelectFound(s_.box.Find(view_.Handle(), *song_, 1));
        view_.EnableButton(kModeButton1, true);
    } else if (index == kModeButton1) {
        if (song_->IsEmpty()) return;
        SelectFound(s_.box.Find(view_.Handle(), *song_, -1));
    }
}

void SongDialog::SelectFound(std::int32_t found) {
    if (found != -1) s_.rows.SetSelectedItem(found);
}

void SongDialog::mnuID3_Click(int index) {
    switch (index) {
    case kReadTag: ReadTagIntoBoxes(); break;
    case kSaveTag: SaveTagFromBoxes(); break;
    case kDeleteTag:
        ReportFileResult(DeleteID3(s_.files, view_.Text(kPath)), "Delete ID3 Tag");
        break;
    default: break;
    }
}

void SongDialog::ReadTagIntoBoxes() {
    TagRecord stored;
    if (!ReadTag(s_.files, view_.Text(kPath), stored)) return;
    const TagRecord tag = ProgramTag(stored, s_.codePages);
    view_.SetText(kTitle, RTrim(tag.title));
    view_.SetText(kArtist, RTrim(tag.artist));
    view_.SetText(kAlbum, RTrim(tag.album));
    view_.SetText(kYear, RTrim(tag.year));
    SelectGenreNumber(tag.genre);
    view_.SetText(kComments, RTrim(tag.comment));
    cbo_Validate();
    if (DialogMode == kInfo) SongChanged = true;
}

void SongDialog::SaveTagFromBoxes() {
    TagRecord tag;
    tag.title = view_.Text(kTitle);
    tag.artist = view_.Text(kArtist);
    tag.album = view_.Text(kAlbum);
    tag.year = view_.Text(kYear);
    tag.comment = view_.Text(kComments);
    const std::int32_t genre = SelectedGenreNumber();
    tag.genre = static_cast<std::uint8_t>(genre == kAnyGenre ? kNoGenre : genre & 0xFF);
    ReportFileResult(
        WriteID3(s_.files, view_.Text(kPath), LegacyTag(tag, s_.codePages), s_.textCase),
        "Save ID3 Tag");
}

// A tag the user asked for and did not get is reported: silence would lose the edit.
void SongDialog::ReportFileResult(TagFileResult result, const std::string& caption) {
    const std::string path = view_.Text(kPath);
    std::string text;
    if (result == TagFileResult::CannotOpen)
        text = "The file could not be opened for writing:\r\n" + path;
    else if (result == TagFileResult::WriteFailed)
        text = "The tag could not be written to the file:\r\n" + path;
    else
        return;
    s_.messages.ShowOwned(view_.Handle(), text, caption, MessageBoxService::kIconExclamation);
}

}  // namespace brambletune
