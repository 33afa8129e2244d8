// The file side of the engine: the file dialogs, album files, imported
// playlists and the printed playlist.
#include <algorithm>
#include <istream>
#include <iterator>
#include <string>
#include <vector>

#include "jukebox/console/CWaitCursor.h"
#include "jukebox/model/AbsolutePath.h"
#include "jukebox/model/AnsiText.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/MessageBoxService.h"
#include "jukebox/model/PlaylistFile.h"
#include "jukebox/model/ReplaceFile.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/ConsoleView.h"
#include "jukebox/playback/FileDialogs.h"
#include "jukebox/playback/PlaylistView.h"
#include "jukebox/playback/PrintService.h"
#include "jukebox/playback/ShellService.h"
#include "jukebox/settings/MJukebox.h"

namespace brambletune {
namespace {

const char* const kMediaPatterns =
    "*.avi;*.mov;*.mpg;*.mpe*;*.qt;*.wmv;*.rm;*.aif*;*.au;*.cda;*.mid;*.rmi;*.snd;*.wav;*.wma;"
    "*.mp2;*.mp3;*.ra;";

std::vector<FileFilter> MediaFilters() {
    return {
        {"All Multimedia Files", kMediaPatterns},
        {"All Audio Files", "*.aif*;*.au;*.cda;*.mid;*.rmi;*.snd;*.wav;*.wma;*.mp2;*.mp3;*.ra;"},
        {"All Video Files", "*.avi;*.mov;*.mpg;*.mpe*;*.qt;*.wmv;*.rm;"},
        {"Mpeg Audio", "*.mp2;*.mp3;"},
        {"RealMedia Files", "*.ra;*.rm;"},
        {"All Files", "*.*"}};
}

std::vector<FileFilter> AlbumFilters() {
    return {{"Brambletune Album", "*.alb"},
            {"Brambletune 2.5 Album", "*.alb"},
            {"Brambletune 2a Album", "*.alb"},
            {"All Files", "*.*"}};
}

// A file with NUL bytes near its start is binary (an audio file, an album
// in another format): its "lines" would add songs that are not there.
bool LooksLikeText(std::istream& in) {
    char head[4096];
    in.read(head, sizeof head);
    const std::streamsize got = in.gcount();
    in.clear();
    in.seekg(0);
    return std::find(head, head + got, '\0') == head + got;
}

std::string LeftOutText(std::int32_t count) {
    const bool one = count == 1;
    return std::to_string(count) +
           (one ? " entry of the playlist was" : " entries of the playlist were") +
           " left out: " + (one ? "its name uses" : "their names use") +
           " characters that this system's code page cannot hold, so " +
           (one ? "it cannot" : "they cannot") + " be opened.";
}

}  // namespace

void CJukeBox::DoAdd() {
    FileDialogRequest request{"Add files to playlist", MediaFilters(), "", true};
    FileDialogResult chosen;
    if (!s_.dialogs.ChooseOpen(request, chosen)) return;
    CWaitCursor wait(s_.pointer);
    for (const std::string& name : chosen.names) AddByPath(chosen.folder + name);
    if (!chosen.names.empty() && s_.rows.Count() > 0) s_.rows.SetSelectedItem(1);
}

bool CJukeBox::ChooseAlbum(const std::string& title, std::string& path) {
    FileDialogRequest request{title, AlbumFilters(), "alb", false};
    FileDialogResult chosen;
    if (!s_.dialogs.ChooseOpen(request, chosen) || chosen.names.empty()) return false;
    path = chosen.folder + chosen.names.front();
    return true;
}

// An album file that cannot even be opened is reported like a damaged one.
bool CJukeBox::ReadAlbumFile(const std::string& path, AlbumMode mode, AlbumPosition& position) {
    const auto in = s_.files.OpenRead(path);
    if (!in) {
        s_.messages.Show(kInvalidAlbumText, kInvalidAlbumCaption,
                         MessageBoxService::kIconExclamation);
        return false;
    }
    const std::int32_t before = mode == AlbumMode::kOpen ? 0 : list.nSongs();
    if (!ReadAlbum(*in, list, mode, position, s_.messages, s_.codePages)) return false;
    // A path line that is not fully qualified names a file beside the album.
    const std::string folder = path.substr(0, path.size() - FileNameOf(path, s_.textCase).size());
    for (std::int32_t i = before; i < list.nSongs(); ++i) {
        CSong& song = list.song(i);
        song.songPath = AbsolutePath(song.songPath, folder, s_.textCase);
        if (!song.songLyrics.empty())
            song.songLyrics = AbsolutePath(song.songLyrics, folder, s_.textCase);
    }
    return true;
}

void CJukeBox::DoOpen(const std::string& path) {
    std::string file = path;
    if (!file.empty() && !s_.files.FileExists(file)) {
        s_.messages.Show(file + " was not found or is not a file", "File not found",
                         MessageBoxService::kIconExclamation);
        return;
    }
    if (file.empty() && !ChooseAlbum("Open an existing album", file)) return;
    CurrentFileName = file;
    // The caller has cleared the playlist; whatever is left would lose its songs to the read.
    s_.rows.Clear();
    identities_.Reset();
    current_ = -1;
    last_ = -1;
    dialogSong_ = -1;
    AlbumPosition position;
    if (ReadAlbumFile(file, AlbumMode::kOpen, position)) {
        ShowAlbumRead(position.currentSong);
        ShowAlbumCaption();
        s_.shell.AddToRecentDocuments(CurrentFileName);
    } else {
        list.Clear();
        CurrentFileName.clear();
        s_.console.SetCaption("Brambletune");
        ShowCount();
    }
    dirty = false;
}

void CJukeBox::ShowAlbumRead(std::int32_t currentSong) {
    current_ = currentSong >= 0 && currentSong < list.nSongs() ? currentSong : -1;
    for (std::int32_t i = 0; i < list.nSongs(); ++i) AddRow(i);
    if (Options.RemoveDuplicatesOnLoad()) RemoveDuplicates();
    ShowCount();
    // Only Normal, Shuffle and Repeat 1 are play modes; another number would run
    // as another Mode menu command (Repeat All, the time display) or none.
    if (list.PlayMode < 0 || list.PlayMode > 2) list.PlayMode = 0;
    s_.console.RunPlayModeCommand(list.PlayMode);
    s_.console.SetRepeatAllBox(list.repeatAll);
    GoCurrent();
}

void CJukeBox::ShowAlbumCaption() {
    s_.console.SetCaption(FileNameOf(CurrentFileName, s_.textCase) + " - Brambletune");
}

void CJukeBox::DoAppend() {
    std::string file;
    if (!ChooseAlbum("Append files from another album", file)) return;
    AlbumPosition position;
    if (ReadAlbumFile(file, AlbumMode::kAppend, position)) {
        identities_.Reset();
        for (std::int32_t i = position.oldCount; i < list.nSongs(); ++i) AddRow(i);
        ShowCount();
    }
    dirty = true;
}

void CJukeBox::DoImport() {
    FileDialogRequest request{"Import playlist", {{"All Files", "*.*"}}, "", false};
    FileDialogResult chosen;
    if (!s_.dialogs.ChooseOpen(request, chosen) || chosen.names.empty()) return;
    const std::string file = chosen.folder + chosen.names.front();
    const auto in = s_.files.OpenRead(file);
    if (!in) {
        s_.messages.Show(file + " was not found or is not a file", "File not found",
                         MessageBoxService::kIconExclamation);
        return;
    }
    if (!LooksLikeText(*in)) {
        s_.messages.Show(file + " is not a text playlist", "Import playlist",
                         MessageBoxService::kIconExclamation);
        return;
    }
    CWaitCursor wait(s_.pointer);
    const PlaylistEntries entries =
        ReadPlaylist(std::string(std::istreambuf_iterator<char>(*in), {}), chosen.names.front(),
                     chosen.folder, s_.codePages, s_.textCase);
    for (const std::string& path : entries.paths) AddByPath(path);
    dirty = true;
    if (entries.leftOut > 0)
        s_.messages.Show(LeftOutText(entries.leftOut), "Import playlist",
                         MessageBoxService::kIconExclamation);
}

// The playlist in the order the user sees it. The album's name and changed
// mark stay as they are: the export is a copy, not the album.
void CJukeBox::DoExport() {
    FileDialogRequest request{
        "Export playlist", {{"M3U8 Playlist", "*.m3u8"}, {"All Files", "*.*"}}, "m3u8", false};
    FileDialogResult chosen;
    if (!s_.dialogs.ChooseSave(request, chosen) || chosen.names.empty()) return;
    const std::string file = chosen.folder + chosen.names.front();
    std::vector<PlaylistSong> songs;
    for (std::int32_t p = 1; p <= s_.rows.Count(); ++p) {
        const CSong& song = list.song(s_.rows.KeyOfIndex(p));
        songs.push_back({song.songPath, song.songArtist, song.songTitle, song.songLength});
    }
    const std::string text = WriteM3u8(songs, s_.codePages);
    const bool saved = ReplaceFile(s_.files, file, [&text](std::ostream& out) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return true;
    });
    if (!saved)
        s_.messages.Show("The playlist could not be exported to " + file, "Export playlist",
                         MessageBoxService::kIconExclamation);
}

bool CJukeBox::DoSave(bool saveAs) {
    std::int32_t format = 1;
    std::string file = CurrentFileName;
    if (file.empty() || saveAs) {
        FileDialogRequest request{"Save album as", AlbumFilters(), "alb", false};
        FileDialogResult chosen;
        if (!s_.dialogs.ChooseSave(request, chosen) || chosen.names.empty()) return false;
        file = chosen.folder + chosen.names.front();
        format = chosen.filterIndex;
    }
    if (!SaveAlbumFile(s_.files, file, list, format, current_, s_.codePages)) {
        s_.messages.Show("The album could not be saved as " + file, "Save album",
                         MessageBoxService::kIconExclamation);
        return false;
    }
    CurrentFileName = file;
    dirty = false;
    ShowAlbumCaption();
    s_.shell.AddToRecentDocuments(CurrentFileName);
    return true;
}

void CJukeBox::DoPrint() {
    bool selectedOnly = false;
    std::string error;
    const auto printer = s_.printing.ChoosePrinter(selectedOnly, error);
    if (!printer) {
        if (!error.empty()) s_.messages.Show(error, "Print", MessageBoxService::kIconExclamation);
        return;
    }
    PrintPlaylist(*printer, selectedOnly);
}

namespace {

PrintFont PlaylistFont() {
    PrintFont font;
    font.name = Options.FontName(0);
    font.charset = Options.FontCharset(0);
    font.points = Options.FontSize(0) > 0 ? Options.FontSize(0) : 8;
    font.weight = Options.FontWeight(0) > 0 ? Options.FontWeight(0) : 400;
    font.italic = Options.FontItalic(0);
    return font;
}

// Column starts in hundredths of the page width.
constexpr std::int32_t kColumnStarts[] = {0, 40, 65, 90, 100};

}  // namespace

void CJukeBox::PrintHeading(Printer& printer, std::int32_t& y) {
    PrintFont heading = PlaylistFont();
    heading.weight = 700;
    heading.italic = true;
    heading.points += 2;
    printer.SetFont(heading);
    const std::int32_t u = printer.Width() / 100;
    const char* const titles[] = {"Title", "Artist", "Album", "Length"};
    for (int c = 0; c < 4; ++c)
        printer.Text(kColumnStarts[c] * u, y, titles[c],
                     (kColumnStarts[c + 1] - kColumnStarts[c]) * u);
    y += printer.LineHeight();
    printer.HorizontalLine(y + printer.LineHeight() / 4);
    y += printer.LineHeight() / 2;
    printer.SetFont(PlaylistFont());
}

void CJukeBox::PrintRow(Printer& printer, std::int32_t y, std::int32_t position) {
    const std::int32_t u = printer.Width() / 100;
    for (int c = 0; c < 4; ++c)
        printer.Text(kColumnStarts[c] * u, y, s_.rows.Cell(position, c + 1),
                     (kColumnStarts[c + 1] - kColumnStarts[c]) * u);
}

void CJukeBox::PrintPlaylist(Printer& printer, bool selectedOnly) {
    std::int32_t y = 0;
    PrintHeading(printer, y);
    for (std::int32_t p = 1; p <= s_.rows.Count(); ++p) {
        if (selectedOnly && !s_.rows.IsSelected(p)) continue;
        if (y + printer.LineHeight() > printer.Height()) {
            printer.NewPage();
            y = 0;
            PrintHeading(printer, y);
        }
        PrintRow(printer, y, p);
        y += printer.LineHeight();
    }
}

}  // namespace brambletune
