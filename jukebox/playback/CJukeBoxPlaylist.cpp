// The playlist side of the engine: adding, removing, finding and selecting
// songs, keeping the song list, the rows and the current song in step.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "jukebox/console/CWaitCursor.h"
#include "jukebox/model/AbsolutePath.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/MID3.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/ConsoleView.h"
#include "jukebox/playback/PlaylistView.h"
#include "jukebox/playback/ShellService.h"
#include "jukebox/settings/MJukebox.h"

namespace brambletune {

RowTexts CJukeBox::TextsOf(const CSong& song) const {
    return {song.songTitle, song.songArtist, song.songAlbum,
            song.songLength != 0 ? FormatTime(song.songLength) : "", song.songPath};
}

void CJukeBox::AddRow(std::int32_t index) {
    s_.rows.AddItem(KeyToStr(index), TextsOf(list.song(index)));
}

void CJukeBox::ShowCount() {
    s_.console.SetLabel(ConsoleView::kCountLabel, std::to_string(list.nSongs()));
    s_.console.EnablePlaylistCommands(!list.IsEmpty());
}

void CJukeBox::Add(const CSong& song) {
    if (!Options.AllowDuplicates()) {
        identities_.Build(list);
        if (identities_.Contains(identities_.IdentityOf(song.songPath))) return;
    }
    list.Add(song);
    identities_.Added(song.songPath);
    AddRow(list.nSongs() - 1);
    ShowCount();
    dirty = true;
}

void CJukeBox::AddByPath(const std::string& path) {
    CSong song;
    FillSongFromPath(song, path, GuessSettingsOf(Options), s_.files, s_.textCase, s_.codePages);
    Add(song);
}

// Removes the songs of the rows at the given positions, with the same result
// as removing them one at a time in that order: each removal moves the last
// song into the freed index, and the row, current and last indices that named
// the moved song follow it. The rows go in one pass at the end, so removing
// many rows costs one walk over the list instead of one per row.
void CJukeBox::RemoveRowsInOrder(const std::vector<std::int32_t>& positions) {
    if (positions.empty()) return;
    Removal removal;
    removal.slotOf.assign(static_cast<std::size_t>(list.nSongs()), -1);
    for (const std::int32_t position : positions) {
        const std::int32_t index = s_.rows.KeyOfIndex(position);
        removal.slotOf[static_cast<std::size_t>(index)] =
            static_cast<std::int32_t>(removal.doomed.size());
        removal.doomed.push_back(index);
    }
    std::vector<std::int32_t> ascending(positions);
    std::sort(ascending.begin(), ascending.end());
    s_.rows.RemoveRows(ascending);
    for (std::size_t k = 0; k < removal.doomed.size(); ++k) RemoveSong(removal.doomed[k], removal);
    ShowCount();
    dirty = true;
}

void CJukeBox::RemoveSong(std::int32_t index, Removal& removal) {
    if (index == current_) {
        current_ = -1;
        StopSong(false);
        Active().CloseFile();
    }
    if (index == last_) last_ = -1;
    if (index == dialogSong_) dialogSong_ = -1;
    list.Remove(index);
    identities_.Removed(index);
    const std::int32_t moved = list.nSongs();
    if (index == moved) return;
    // The last song now sits at index.
    const std::int32_t slot = removal.slotOf[static_cast<std::size_t>(moved)];
    removal.slotOf[static_cast<std::size_t>(index)] = slot;
    if (slot >= 0)
        removal.doomed[static_cast<std::size_t>(slot)] = index;
    else
        s_.rows.ReplaceKey(KeyToStr(moved), KeyToStr(index));
    if (current_ == moved) current_ = index;
    if (last_ == moved) last_ = index;
    if (dialogSong_ == moved) dialogSong_ = index;
}

void CJukeBox::RemoveByIndex(std::int32_t position) {
    RemoveRowsInOrder({position});
}

void CJukeBox::RemoveByKey(const std::string& key) {
    const std::int32_t position = s_.rows.IndexOfKey(key);
    if (position > 0) RemoveRowsInOrder({position});
}

// The selected rows go from the last to the first, the order in which the
// songs have always been removed, so the song order and indices stay as before.
void CJukeBox::RemoveSelected() {
    std::vector<std::int32_t> selected;
    for (std::int32_t p = s_.rows.Count(); p >= 1; --p)
        if (s_.rows.IsSelected(p)) selected.push_back(p);
    RemoveRowsInOrder(selected);
}

void CJukeBox::RemoveDead() {
    std::vector<std::int32_t> dead;
    for (std::int32_t p = 1; p <= s_.rows.Count(); ++p)
        if (!s_.files.FileExists(s_.rows.Cell(p, kPathColumn))) dead.push_back(p);
    RemoveRowsInOrder(dead);
}

void CJukeBox::RemoveDuplicates() {
    CWaitCursor wait(s_.pointer);
    const std::int32_t sortIdx = s_.rows.SortIdx();
    const std::int32_t sortOrd = s_.rows.SortOrd();
    s_.rows.SetSort(kPathColumn, 0);
    identities_.Build(list);
    // Each run of neighbours with the same identity keeps its first row.
    std::vector<std::int32_t> duplicates;
    std::int32_t kept = 1;
    for (std::int32_t p = 2; p <= s_.rows.Count(); ++p) {
        if (identities_.At(s_.rows.KeyOfIndex(p)) == identities_.At(s_.rows.KeyOfIndex(kept)))
            duplicates.push_back(p);
        else
            kept = p;
    }
    RemoveRowsInOrder(duplicates);
    s_.rows.SetSort(sortIdx, sortOrd);
}

std::int32_t CJukeBox::SongIndexOf(std::int32_t index, const std::string& path) const {
    if (index < 0) return -1;
    if (index < list.nSongs() && list.song(index).songPath == path) return index;
    for (std::int32_t i = 0; i < list.nSongs(); ++i)
        if (list.song(i).songPath == path) return i;
    return -1;
}

void CJukeBox::RemovePhysically(std::int32_t index) {
    if (index < 0 || index >= list.nSongs()) return;
    const CSong song = list.song(index);
    // The shell deletes a relative path for good, and against whatever folder is current.
    if (!IsFullyQualified(song.songPath)) {
        s_.messages.Show(song.songPath + " is not a full path; the file was not deleted.",
                         "Delete file", MessageBoxService::kIconExclamation);
        return;
    }
    std::vector<std::string> doomed;
    if (s_.files.FileExists(song.songPath)) doomed.push_back(song.songPath);
    const int answer = s_.messages.Show(
        song.songTitle + " will be sent to the Recycle Bin.\r\nDelete the lyrics as well?",
        "Delete file", MessageBoxService::kYesNoCancel | MessageBoxService::kIconQuestion);
    if (answer != MessageBoxService::kIdYes && answer != MessageBoxService::kIdNo) return;
    // The box pumps messages: songs may have moved or gone meanwhile, so the
    // song is looked up again and its row found by its key.
    index = SongIndexOf(index, song.songPath);
    if (index < 0) return;
    if (answer == MessageBoxService::kIdYes && !song.songLyrics.empty() &&
        s_.files.FileExists(song.songLyrics))
        doomed.push_back(song.songLyrics);
    if (MCI0_->fileName() == song.songPath) MCI0_->CloseFile();
    if (MCI1_->fileName() == song.songPath) MCI1_->CloseFile();
    // A deletion the user declined in the shell's own question keeps the song listed.
    if (!doomed.empty() && !s_.shell.Recycle(doomed)) return;
    RemoveByKey(KeyToStr(index));
}

void CJukeBox::CalculateSelectedLength() {
    std::int64_t total = 0;
    for (std::int32_t p = 1; p <= s_.rows.Count(); ++p)
        if (s_.rows.IsSelected(p)) total += list.song(s_.rows.KeyOfIndex(p)).songLength;
    s_.console.SetLabel(
        ConsoleView::kLengthLabel,
        FormatTime(static_cast<std::int32_t>(std::min<std::int64_t>(total, INT32_MAX))));
}

void CJukeBox::Clear() {
    list.Clear();
    identities_.Reset();
    CurrentFileName.clear();
    current_ = -1;
    last_ = -1;
    dialogSong_ = -1;
    advanceAllowed_ = true;
    segueArmed_ = true;
    s_.rows.Clear();
    StopSong(true);
    s_.console.SetCaption("Brambletune");
    s_.console.SetLabel(ConsoleView::kTimeLabel, "0:00");
    s_.console.SetLabel(ConsoleView::kLengthLabel, "0:00");
    s_.console.SetLabel(ConsoleView::kTrackLabel, "0");
    s_.console.SetLabel(ConsoleView::kCountLabel, "0");
    s_.console.SetSliderValue(0);
    s_.console.EnablePlaylistCommands(false);
    dirty = true;
}

CSong CJukeBox::SelectedSong() const {
    const std::int32_t selected = s_.rows.SelectedItem();
    if (selected == 0) return CSong{};
    return list.song(s_.rows.KeyOfIndex(selected));
}

void CJukeBox::SetSong(const CSong& song, const std::string& key) {
    const std::int32_t index = StrToKey(key);
    if (index < 0 || index >= list.nSongs()) return;
    list.song(index).Copy(song);
    identities_.Changed(index, song.songPath);
    const std::int32_t position = s_.rows.IndexOfKey(key);
    if (position > 0) s_.rows.SetItem(position, TextsOf(list.song(index)));
    dirty = true;
}

std::int32_t CJukeBox::Find(std::uintptr_t owner, const CSong& criteria, std::int32_t start) {
    if (!criteria.IsEqual(findCriteria_)) {
        findCriteria_.Copy(criteria);
        findPosition_ = 1;
    } else {
        findPosition_ = start == -1 ? findPosition_ + 1 : start;
    }
    for (std::int32_t p = std::max(findPosition_, 1); p <= s_.rows.Count(); ++p) {
        if (criteria.LikeSong(list.song(s_.rows.KeyOfIndex(p)), s_.textCase)) {
            findPosition_ = p;
            return p;
        }
    }
    s_.messages.ShowOwned(owner, "The song was not found in the list", "Find Results",
                          MessageBoxService::kIconInformation);
    findPosition_ = 0;
    return -1;
}

}  // namespace brambletune
