#include "jukebox/playback/CJukeBox.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

#include "jukebox/console/CWaitCursor.h"
#include "jukebox/model/AnsiText.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/TextCase.h"
#include "jukebox/playback/ConsoleView.h"
#include "jukebox/playback/LyricsView.h"
#include "jukebox/playback/MciApi.h"
#include "jukebox/playback/PlaylistView.h"
#include "jukebox/settings/MJukebox.h"

namespace brambletune {
namespace {

constexpr std::int32_t kNormal = 0;
constexpr std::int32_t kShuffle = 1;
constexpr std::int32_t kRepeatOne = 2;
constexpr std::int32_t kMaxFailures = 10;
constexpr std::int32_t kLeftButton = 1;

// Nearest integer, a half to the even neighbour.
std::int32_t Round(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

std::string TwoDigits(std::int32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string FormatTime(std::int32_t seconds) {
    if (seconds < 0) seconds = 0;
    if (seconds < 3600) return std::to_string(seconds / 60) + ":" + TwoDigits(seconds % 60);
    return std::to_string(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
           TwoDigits(seconds % 60);
}

CJukeBox::CJukeBox(const JukeBoxServices& services)
    : s_(services),
      MCI0_(std::make_unique<CMCICtrl>(services.mci)),
      MCI1_(std::make_unique<CMCICtrl>(services.mci)),
      identities_(services.paths, services.textCase) {}

CJukeBox::~CJukeBox() = default;

void CJukeBox::Init() {
    random_.seed(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    segueArmed_ = true;
    current_ = -1;
    last_ = -1;
    advanceAllowed_ = true;
    sliderScale_ = s_.console.SliderMax();
    MCI0_->Init();
    MCI1_->Init();
    MCI0_->Notify = [this](std::uint32_t flags) { MCI0_Notify(flags); };
    MCI1_->Notify = [this](std::uint32_t flags) { MCI1_Notify(flags); };
    active_ = 0;
    ReadOptions(s_.registry);
    ReadFontNames(Options, s_.codePages);
    UpdateConsole();
    s_.console.EnablePlaylistCommands(!list.IsEmpty());
}

void CJukeBox::Terminate() {
    SaveOptions(s_.registry);
    MCI0_->Terminate();
    MCI1_->Terminate();
}

std::int32_t CJukeBox::IsPlaying() {
    return Active().Mode();
}

void CJukeBox::UpdateLastSong() {
    if (last_ != current_) last_ = current_;
}

void CJukeBox::NextSong() {
    if (!advanceAllowed_) {
        advanceAllowed_ = true;
        return;
    }
    if (list.IsEmpty()) {
        stopped_ = true;
        return;
    }
    try {
        switch (list.PlayMode) {
        case kNormal: NextNormal(); break;
        case kShuffle: NextShuffle(); break;
        case kRepeatOne:
            if (!list.repeatAll) stopped_ = true;
            break;
        default: break;
        }
    } catch (const std::exception&) {
        // A song index outside the list is the only failure here (error 9).
        s_.messages.Show("Err:9 Data:" + std::to_string(list.PlayMode) + " " +
                             std::to_string(current_) + " " + std::to_string(list.nSongs()),
                         "Error J.NextSong", MessageBoxService::kIconError);
    }
}

void CJukeBox::NextNormal() {
    UpdateLastSong();
    const std::int32_t position = current_ >= 0 ? s_.rows.IndexOfKey(KeyToStr(current_)) : 0;
    if (position + 1 <= list.nSongs()) {
        current_ = s_.rows.KeyOfIndex(position + 1);
    } else {
        current_ = s_.rows.KeyOfIndex(1);
        if (!list.repeatAll) stopped_ = true;
    }
    dirty = true;
}

void CJukeBox::NextShuffle() {
    UpdateLastSong();
    if (historyChanges_ != list.Changes()) ReadHistory();
    if (HasCurrent() && list.song(current_).history != 1) {
        list.song(current_).history = 1;
        played_[static_cast<std::size_t>(current_)] = 1;
        ++playedCount_;
    }
    const std::int32_t n = list.nSongs();
    if (playedCount_ != n) {
        do {
            current_ = static_cast<std::int32_t>(Random() * n);
        } while (played_[static_cast<std::size_t>(current_)] == 1);
    } else {
        list.ClearHistory();
        ReadHistory();
        if (list.repeatAll)
            current_ = static_cast<std::int32_t>(Random() * n);
        else
            stopped_ = true;
    }
    historyChanges_ = list.Changes();
    dirty = true;
}

// The history marks in a compact copy: the draws of a Shuffle round test
// them about n log n times, and the songs themselves are spread over the heap.
void CJukeBox::ReadHistory() {
    played_.assign(static_cast<std::size_t>(list.nSongs()), 0);
    playedCount_ = 0;
    for (std::int32_t i = 0; i < list.nSongs(); ++i) {
        if (list.song(i).history != 1) continue;
        played_[static_cast<std::size_t>(i)] = 1;
        ++playedCount_;
    }
}

void CJukeBox::NextButton() {
    if (stopped_) return;
    NextSong();
    if (stopped_)
        StopSong(false);
    else
        PlaySong(0);
    segueArmed_ = true;
}

void CJukeBox::BackButton() {
    if (SLDPercent() < 0.05f && last_ != current_ && last_ >= 0 && last_ < list.nSongs())
        current_ = last_;
    if (!stopped_) PlaySong(0);
    segueArmed_ = true;
}

void CJukeBox::PlaySong(float fraction) {
    if (!HasCurrent()) return;
    CWaitCursor wait(s_.pointer);
    stopped_ = false;
    const CSong& song = list.song(current_);
    if (!s_.files.FileExists(song.songPath)) {
        HandlePlayError(song.songPath + " does not exist or is in use.");
        return;
    }
    if (Other().fileName() == song.songPath) {
        if (Other().Mode() == mci::kModePlay) {
            SwapDevices();
            segueArmed_ = false;
            return;
        }
        Other().CloseFile();
    }
    StartCurrent(fraction);
}

// Opens and plays the current song on the active device; on failure either
// lets a previous song still sounding finish first or reports the error.
bool CJukeBox::StartCurrent(float fraction) {
    CSong& song = list.song(current_);
    CMCICtrl& device = Active();
    std::uint32_t err = device.OpenFile(song.songPath);
    if (err != 0 && Other().Mode() != mci::kModePlay) {
        Other().CloseFile();
        err = device.OpenFile(song.songPath);
        if (err != 0) {
            HandlePlayError(device.ErrorString(err));
            return false;
        }
    }
    if (err == 0) err = device.Play(Round(fraction * device.Length()));
    if (err == 0) {
        song.songLength = device.LengthS();
        ShowLyrics();
        ShowNowPlaying();
        failures_ = 0;
        playError_.segueFailed = false;
        // A start after a silent segue failure must not swallow the next advance.
        advanceAllowed_ = true;
        // A song started from the console segues too, even after a short song
        // disarmed the check.
        segueArmed_ = true;
        return true;
    }
    playError_.code = err;
    // The silent retry needs a previous song whose end will call for it; with
    // nothing sounding, waiting would leave the player silent for good.
    if (!playError_.segueFailed && Other().Mode() == mci::kModePlay) {
        SwapDevices();
        segueArmed_ = false;
        playError_.segueFailed = true;
        advanceAllowed_ = false;
        return false;
    }
    HandlePlayError(device.ErrorString(err));
    return false;
}

void CJukeBox::HandlePlayError(const std::string& text) {
    playError_.segueFailed = false;
    playError_.text = text;
    switch (Options.ErrorAction()) {
    case 1:
        if (CountFailure()) NextButton();
        return;
    case 2:
        if (CountFailure()) RemoveCurrentAfterError();
        return;
    default: break;
    }
    const std::string title = HasCurrent() ? list.song(current_).songTitle : "";
    const std::int32_t failed = current_;
    const std::string failedPath = HasCurrent() ? list.song(current_).songPath : "";
    const int answer = s_.messages.Show(
        "The file '" + title + "' could not be played.  The error message was:\r\n\r\n" + text +
            "\r\n\r\nRemove file from Playlist?",
        "Error playing file",
        MessageBoxService::kYesNoCancel | MessageBoxService::kIconExclamation);
    // The box pumps messages: a song may have ended or an album been handed
    // over meanwhile. The answer then concerns only the song that failed.
    if (failed != current_ || SongIndexOf(failed, failedPath) != failed) {
        const std::int32_t index = SongIndexOf(failed, failedPath);
        if (answer == MessageBoxService::kIdYes && index >= 0) RemoveByKey(KeyToStr(index));
        return;
    }
    if (answer == MessageBoxService::kIdYes)
        RemoveCurrentAfterError();
    else if (answer == MessageBoxService::kIdNo)
        NextButton();
    else
        StopSong(false);
}

bool CJukeBox::CountFailure() {
    if (++failures_ < kMaxFailures) return true;
    s_.messages.Show("10 consecutive files could not be played!", "Error",
                     MessageBoxService::kIconError);
    failures_ = 0;
    StopSong(false);
    return false;
}

void CJukeBox::RemoveCurrentAfterError() {
    if (!HasCurrent()) return;
    RemoveByKey(KeyToStr(current_));
    if (list.IsEmpty()) return;
    const std::int32_t selected = s_.rows.SelectedItem();
    current_ = selected > 0 ? s_.rows.KeyOfIndex(selected) : -1;
    stopped_ = false;
    NextButton();
}

void CJukeBox::PauseSong() {
    Active().Pause(Round(SLDPercent() * Active().Length()));
    Other().Pause(Other().Position());
    const std::int32_t mode = Active().Mode();
    if (mode == mci::kModePlay) s_.console.SetLabel(ConsoleView::kStatusLabel, "Playing");
    if (mode == mci::kModePause) s_.console.SetLabel(ConsoleView::kStatusLabel, "Paused");
}

void CJukeBox::StopSong(bool both) {
    stopped_ = true;
    Active().StopPlay();
    if (both) Other().StopPlay();
    s_.console.SetLabel(ConsoleView::kStatusLabel, "Stopped");
    list.ClearHistory();
    dirty = true;
}

bool CJukeBox::SetCurrentSong() {
    const std::int32_t selected = s_.rows.SelectedItem();
    if (selected == 0) return false;
    const std::int32_t index = s_.rows.KeyOfIndex(selected);
    const bool wasCurrent = index == current_;
    UpdateLastSong();
    current_ = index;
    return wasCurrent;
}

void CJukeBox::GoCurrent() {
    if (current_ == -1) return;
    const std::int32_t position = s_.rows.IndexOfKey(KeyToStr(current_));
    if (position > 0) s_.rows.SetSelectedItem(position);
    CalculateSelectedLength();
}

void CJukeBox::PlayFile(const std::string& path) {
    if (path.empty()) return;
    const std::string name = FileNameOf(path, s_.textCase);
    const std::size_t dot = LastDot(name, s_.textCase);
    const bool album = dot != std::string::npos && s_.textCase.Upper(name.substr(dot + 1)) == "ALB";
    if (!album) {
        const std::int32_t before = list.nSongs();
        AddByPath(path);
        // A list view selects the first row added to an empty list; the new
        // song must be the selected one for it to become current.
        if (list.nSongs() > before && s_.rows.SelectedItem() == 0)
            s_.rows.SetSelectedItem(s_.rows.IndexOfKey(KeyToStr(before)));
        SetCurrentSong();
        if (list.nSongs() == 1 && Options.AutoPlay()) PlaySong(0);
        return;
    }
    if (!s_.console.CloseAlbum()) return;
    DoOpen(path);
    if (!CurrentFileName.empty()) s_.console.AddRecentAlbum(CurrentFileName);
    if (!list.IsEmpty() && Options.AutoPlay()) PlaySong(0);
}

void CJukeBox::PlayRecent() {
    const std::string recent = s_.console.MostRecentAlbum();
    if (recent.empty()) return;
    DoOpen(recent);
    if (!list.IsEmpty() && Options.AutoPlay()) PlaySong(0);
}

std::string CJukeBox::GetTime(std::int32_t seconds) {
    if (Options.TimeMode() == 1) return "-" + FormatTime(Active().LengthS() - seconds);
    return FormatTime(seconds);
}

float CJukeBox::SLDPercent() const {
    if (sliderScale_ <= 0) return 0;
    return static_cast<float>(s_.console.SliderValue()) / static_cast<float>(sliderScale_);
}

void CJukeBox::SetSLDPercent(float fraction) {
    s_.console.SetSliderValue(Round(static_cast<double>(fraction) * sliderScale_));
}

void CJukeBox::SLDMouseDown(std::int32_t button) {
    if (button & kLeftButton) dragging_ = true;
}

void CJukeBox::SLDMouseMove(std::int32_t button) {
    if (!(button & kLeftButton)) return;
    s_.console.SetLabel(ConsoleView::kTimeLabel, GetTime(Round(SLDPercent() * Active().LengthS())));
}

void CJukeBox::SLDMouseUp(std::int32_t button) {
    if (!(button & kLeftButton)) return;
    SLDMouseMove(button);
    dragging_ = false;
    if (Active().Mode() == mci::kModePlay) Active().Play(Round(SLDPercent() * Active().Length()));
}

void CJukeBox::MMCStatusUpdate() {
    try {
        if (segueArmed_) MMCCheckPlayNext();
        if (dragging_ || Active().Mode() != mci::kModePlay) return;
        const std::int32_t position = Active().Position();
        s_.console.SetLabel(ConsoleView::kTimeLabel, GetTime(position / 1000));
        const std::int32_t length = Active().Length();
        if (length > 0)
            s_.console.SetSliderValue(Round(static_cast<double>(position) / length * sliderScale_));
    } catch (const std::exception&) {
        // A timer tick never fails the window: the next tick tries again.
    }
}

void CJukeBox::MMCCheckPlayNext() {
    const std::int32_t segue = Options.SegueSeconds();
    if (list.PlayMode == kRepeatOne || segue == 0) {
        segueArmed_ = false;
        return;
    }
    if (Active().LengthS() <= 2 * segue) {
        if (Active().Mode() == mci::kModePlay) segueArmed_ = false;
        return;
    }
    const std::int32_t remaining = (Active().Length() - Active().Position()) / 1000;
    if (remaining > segue) return;
    if (Active().Mode() != mci::kModePlay) return;
    NextSong();
    if (stopped_) {
        segueArmed_ = false;
        return;
    }
    SwapDevices();
    PlaySong(0);
}

void CJukeBox::MMCNotify(std::int32_t device, std::uint32_t flags) {
    // A superseded play (a seek, a resume) is not the end of the song.
    if (device != active_ || flags == mci::kNotifyAborted || flags == mci::kNotifySuperseded)
        return;
    if (!stopped_)
        NextButton();
    else
        s_.console.SetLabel(ConsoleView::kStatusLabel, "Stopped");
}

void CJukeBox::ShowNowPlaying() {
    const CSong& song = list.song(current_);
    const std::string length = FormatTime(song.songLength);
    s_.console.SetLabel(ConsoleView::kLengthLabel, length);
    const std::int32_t position = s_.rows.IndexOfKey(KeyToStr(current_));
    if (position > 0) s_.rows.SetCell(position, kLengthColumn, length);
    s_.console.SetLabel(ConsoleView::kTrackLabel, std::to_string(position));
    s_.console.SetLabel(ConsoleView::kStatusLabel, "Playing");
    if (position > 0) s_.rows.SetSelectedItem(position);
    captionMsg = song.songTitle + " - " + song.songArtist + " - " + song.songAlbum + " - " +
                 length + " - " + FileNameOf(CurrentFileName, s_.textCase) + " - Brambletune";
    s_.console.SetCaption(captionMsg);
    s_.console.SetTrayTip(captionMsg);
}

void CJukeBox::ShowLyrics() {
    const CSong& song = list.song(current_);
    const bool exists = !song.songLyrics.empty() && s_.files.FileExists(song.songLyrics);
    if (exists && Options.AutoOpenLyrics() && !s_.lyrics.IsShown()) s_.lyrics.Show();
    if (!exists && Options.AutoCloseLyrics() && s_.lyrics.IsShown()) s_.lyrics.Close();
    if (s_.lyrics.IsShown()) s_.lyrics.LoadSong(song);
}

void CJukeBox::UpdateConsole() {
    s_.console.SetLabel(ConsoleView::kModeLabel, s_.console.ResourceString(100 + list.PlayMode));
    s_.console.RunPlayModeCommand(list.PlayMode);
    s_.console.SetRepeatAllBox(list.repeatAll);
    s_.console.SetLabel(ConsoleView::kTimeModeLabel,
                        s_.console.ResourceString(200 + Options.TimeMode()));
    s_.console.RunTimeModeCommand(Options.TimeMode());
    s_.console.ApplyWindowSettings();
}

void CJukeBox::ChangeWindowState(std::int32_t state) {
    if (state == -1) state = Options.DisplayState() + 1;
    if (state < 0 || state > 3) state = 0;
    Options.SetDisplayState(state);
    s_.console.ApplyDisplayState(state);
}

}  // namespace brambletune
