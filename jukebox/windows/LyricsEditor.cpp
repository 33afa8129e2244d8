#include "jukebox/windows/LyricsEditor.h"

#include <iterator>
#include <memory>

#include "jukebox/model/CSong.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/ReplaceFile.h"
#include "jukebox/model/StoredText.h"

namespace brambletune {
LyricsEditor::LyricsEditor(LyricsText& view, FileSystem& files, MessageBoxService& messages,
                           const CodePages& pages)
    : view_(view), files_(files), messages_(messages), pages_(pages) {}

std::string LyricsEditor::Caption(const CSong& song) {
    return "Lyrics - " + song.songTitle + " - " + song.songArtist + " - " + song.songAlbum;
}

bool LyricsEditor::ShowLyrics(const CSong& song) {
    if (QuerySaveLyrics()) return false;
    view_.SetCaption(Caption(song));
    lyricsPath_ = song.songLyrics;
    LoadLyricsFile();
    return true;
}

bool LyricsEditor::QuerySaveLyrics() {
    if (!lyricsChanged_) return false;
    const int answer =
        messages_.ShowOwned(view_.Handle(), "Save changes to lyrics file?", "Lyrics Changed",
                            MessageBoxService::kYesNoCancel | MessageBoxService::kIconQuestion);
    if (answer == MessageBoxService::kIdCancel) return true;
    if (answer == MessageBoxService::kIdYes) return !SaveLyricsFile();
    lyricsChanged_ = false;
    return false;
}

void LyricsEditor::LoadLyricsFile() {
    std::unique_ptr<std::istream> in;
    if (!lyricsPath_.empty() && files_.FileExists(lyricsPath_)) in = files_.OpenRead(lyricsPath_);
    if (in)
        view_.SetText(ReadStoredFile(std::string(std::istreambuf_iterator<char>(*in), {}), pages_));
    else
        view_.SetText(kNotFound);
    lyricsChanged_ = false;
}

bool LyricsEditor::SaveLyricsFile() {
    const std::string text = StoredText(view_.Text(), StoredCodePage::kUtf8, pages_);
    const auto write = [&text](std::ostream& out) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return true;
    };
    if (!lyricsPath_.empty() && ReplaceFile(files_, lyricsPath_, write)) {
        lyricsChanged_ = false;
        return true;
    }
    messages_.ShowOwned(
        view_.Handle(),
        "Error saving lyrics file.  Check that the filename is correct.\r\n" + lyricsPath_,
        "Error saving lyrics", MessageBoxService::kOk | MessageBoxService::kIconError);
    return false;
}

}  // namespace brambletune
