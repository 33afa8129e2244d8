#include "jukebox/windows/LyricsEditor.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "jukebox/model/CSong.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/MessageBoxService.h"

namespace brambletune {
namespace {

// Writes bytes to a new file beside path and puts it in place of path only when
// every byte reached the disk: a failure part-way leaves the old file as it was.
bool WriteWhole(FileSystem& files, const std::string& path, const std::string& bytes) {
    const std::string fresh = path + ".new";
    bool ok = false;
    {
        auto out = files.OpenWrite(fresh);
        if (!out) return false;
        out->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out->flush();
        ok = static_cast<bool>(*out);
        // A file stream reports a failed final write only when it closes.
        if (auto* file = dynamic_cast<std::ofstream*>(out.get())) {
            file->close();
            ok = ok && !file->fail();
        }
    }
    if (ok) ok = files.Replace(fresh, path);
    if (!ok) files.Remove(fresh);
    return ok;
}

}  // namespace

LyricsEditor::LyricsEditor(LyricsText& view, FileSystem& files, MessageBoxService& messages)
    : view_(view), files_(files), messages_(messages) {}

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
        view_.SetText(std::string(std::istreambuf_iterator<char>(*in), {}));
    else
        view_.SetText(kNotFound);
    lyricsChanged_ = false;
}

bool LyricsEditor::SaveLyricsFile() {
    if (!lyricsPath_.empty() && WriteWhole(files_, lyricsPath_, view_.Text())) {
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
