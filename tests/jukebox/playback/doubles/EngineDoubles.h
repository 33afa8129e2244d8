#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "jukebox/console/MousePointer.h"
#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/console/PlaylistRows.h"
#include "jukebox/model/CSong.h"
#include "jukebox/playback/ConsoleView.h"
#include "jukebox/playback/FileDialogs.h"
#include "jukebox/playback/LyricsView.h"
#include "jukebox/playback/PrintService.h"
#include "jukebox/playback/ShellService.h"
#include "jukebox/playback/doubles/ScriptedMci.h"

namespace brambletune::testing {

// ScriptedMci with devices that keep their state: what is open, whether it
// plays, where it is. Lengths come from a table by file name; a song ends
// when the test says so.
class SimulatedMci : public ScriptedMci {
public:
    struct Device {
        std::string file;
        std::int32_t mode = mci::kModeStop;
        std::uint32_t position = 0;
    };
    std::map<std::string, std::uint32_t> lengths;  // milliseconds, by element name
    std::set<std::string> unopenable;              // open fails with MCIERR_INVALID_FILE
    std::map<std::uint32_t, Device> devices;

    static constexpr std::uint32_t kInvalidFile = 296;

    std::uint32_t Open(std::uint32_t flags, MciOpenParams& p) override {
        if (unopenable.count(p.elementName)) {
            calls.emplace_back("open", 0, flags, p.deviceType, p.elementName);
            return kInvalidFile;
        }
        const std::uint32_t err = ScriptedMci::Open(flags, p);
        if (err == 0) {
            devices[p.deviceID] = {p.elementName, mci::kModeStop, 0};
            status[{p.deviceID, mci::kStatusLength}] = lengths[p.elementName];
        }
        return err;
    }
    std::uint32_t Status(std::uint32_t id, std::uint32_t flags, MciStatusParams& p) override {
        const std::uint32_t err = ScriptedMci::Status(id, flags, p);
        const auto d = devices.find(id);
        if (err != 0 || d == devices.end()) return err;
        if (p.item == mci::kStatusMode) p.returnValue = static_cast<std::uintptr_t>(d->second.mode);
        if (p.item == mci::kStatusPosition) p.returnValue = d->second.position;
        return 0;
    }
    std::uint32_t Play(std::uint32_t id, std::uint32_t flags, const MciPlayParams& p) override {
        const std::uint32_t err = ScriptedMci::Play(id, flags, p);
        if (err == 0 && devices.count(id)) devices[id] = {devices[id].file, mci::kModePlay, p.from};
        return err;
    }
    std::uint32_t Pause(std::uint32_t id, std::uint32_t flags, const MciGenericParams& p) override {
        const std::uint32_t err = ScriptedMci::Pause(id, flags, p);
        if (err == 0 && devices.count(id)) devices[id].mode = mci::kModePause;
        return err;
    }
    std::uint32_t Stop(std::uint32_t id, std::uint32_t flags, const MciGenericParams& p) override {
        const std::uint32_t err = ScriptedMci::Stop(id, flags, p);
        if (err == 0 && devices.count(id)) devices[id].mode = mci::kModeStop;
        return err;
    }
    std::uint32_t Close(std::uint32_t id, std::uint32_t flags, const MciGenericParams& p) override {
        const std::uint32_t err = ScriptedMci::Close(id, flags, p);
        if (err == 0) devices.erase(id);
        return err;
    }

    // The files sounding now.
    std::set<std::string> Playing() const {
        std::set<std::string> files;
        for (const auto& [id, d] : devices)
            if (d.mode == mci::kModePlay) files.insert(d.file);
        return files;
    }
    std::uint32_t DeviceOf(const std::string& file) const {
        for (const auto& [id, d] : devices)
            if (d.file == file && d.mode == mci::kModePlay) return id;
        return 0;
    }
    void MoveTo(const std::string& file, std::uint32_t position) {
        devices[DeviceOf(file)].position = position;
    }
    // The song plays to its end: the device stops and posts its notice.
    void Finish(const std::string& file) {
        const std::uint32_t id = DeviceOf(file);
        if (id == 0) return;
        devices[id].mode = mci::kModeStop;
        devices[id].position = lengths[file];
        Post(mci::kNotifySuccessful, id);
    }
};

class FakeConsole : public ConsoleView {
public:
    std::map<int, std::string> labels;
    std::int32_t slider = 0;
    std::string caption, tip;
    std::vector<std::string> captions;  // every caption shown, in order
    bool commandsEnabled = false;
    std::vector<std::int32_t> playModeCommands;
    bool repeatAllBox = false;
    std::int32_t displayState = -1;
    bool closeAlbumAnswer = true;
    std::vector<std::string> recent;

    void SetLabel(Label label, const std::string& text) override { labels[label] = text; }
    std::int32_t SliderMax() const override { return 1000; }
    std::int32_t SliderValue() const override { return slider; }
    void SetSliderValue(std::int32_t value) override { slider = value; }
    void SetCaption(const std::string& text) override {
        caption = text;
        captions.push_back(text);
    }
    void SetTrayTip(const std::string& text) override { tip = text; }
    void EnablePlaylistCommands(bool enable) override { commandsEnabled = enable; }
    void RunPlayModeCommand(std::int32_t playMode) override {
        playModeCommands.push_back(playMode);
    }
    void SetRepeatAllBox(bool on) override { repeatAllBox = on; }
    void RunTimeModeCommand(std::int32_t) override {}
    void ApplyWindowSettings() override {}
    void ApplyDisplayState(std::int32_t state) override { displayState = state; }
    bool CloseAlbum() override { return closeAlbumAnswer; }
    void AddRecentAlbum(const std::string& path) override { recent.insert(recent.begin(), path); }
    std::string MostRecentAlbum() const override { return recent.empty() ? "" : recent.front(); }
    std::string ResourceString(std::int32_t id) const override { return "#" + std::to_string(id); }
};

// Answers every dialog from the next queued result; none queued means Cancel.
class QueuedDialogs : public FileDialogs {
public:
    std::vector<FileDialogResult> results;
    std::vector<FileDialogRequest> requests;

    bool ChooseOpen(const FileDialogRequest& request, FileDialogResult& result) override {
        return Next(request, result);
    }
    bool ChooseSave(const FileDialogRequest& request, FileDialogResult& result) override {
        return Next(request, result);
    }

private:
    bool Next(const FileDialogRequest& request, FileDialogResult& result) {
        requests.push_back(request);
        if (results.empty()) return false;
        result = results.front();
        results.erase(results.begin());
        return true;
    }
};

// A page of lines, each the texts printed on it in order.
class RecordingPrinter : public Printer {
public:
    std::vector<std::vector<std::string>>& pages;
    std::vector<PrintFont>& fonts;
    std::map<std::int32_t, std::string> line;

    RecordingPrinter(std::vector<std::vector<std::string>>& p, std::vector<PrintFont>& f)
        : pages(p), fonts(f) {
        pages.emplace_back();
    }
    ~RecordingPrinter() override { Flush(); }
    std::int32_t Width() const override { return 1000; }
    std::int32_t Height() const override { return 100; }
    void SetFont(const PrintFont& font) override { fonts.push_back(font); }
    std::int32_t LineHeight() const override { return 10; }
    void Text(std::int32_t x, std::int32_t y, const std::string& text, std::int32_t) override {
        if (x == 0) Flush();
        line[y] += (x == 0 ? "" : "|") + text;
    }
    void HorizontalLine(std::int32_t) override {}
    void NewPage() override {
        Flush();
        pages.emplace_back();
    }

private:
    void Flush() {
        for (const auto& [y, text] : line) pages.back().push_back(text);
        line.clear();
    }
};

class RecordingPrintService : public PrintService {
public:
    bool available = true;
    bool selectedOnly = false;
    std::vector<std::vector<std::string>> pages;
    std::vector<PrintFont> fonts;

    std::unique_ptr<Printer> ChoosePrinter(bool& selected, std::string& error) override {
        if (!available) {
            error = "No printer is installed.";
            return nullptr;
        }
        selected = selectedOnly;
        return std::make_unique<RecordingPrinter>(pages, fonts);
    }
};

class RecordingShell : public ShellService {
public:
    std::vector<std::vector<std::string>> recycled;
    std::vector<std::string> recentDocuments;
    bool recycleSucceeds = true;

    bool Recycle(const std::vector<std::string>& files) override {
        if (!recycleSucceeds) return false;
        recycled.push_back(files);
        return true;
    }
    void AddToRecentDocuments(const std::string& path) override { recentDocuments.push_back(path); }
};

class FakeLyrics : public LyricsView {
public:
    bool shown = false;
    std::string loaded;
    bool IsShown() const override { return shown; }
    void Show() override { shown = true; }
    void Close() override { shown = false; }
    void LoadSong(const CSong& song) override { loaded = song.songLyrics; }
};

class NullPointer : public MousePointer {
public:
    void ShowHourglass() override {}
    void ShowDefault() override {}
};

// Rows sorted as ASCII text without regard to case.
inline PlaylistRows::SortKey AsciiNoCase() {
    return [](const std::string& text) {
        std::string key(text);
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return key;
    };
}

// Stand-ins for everything of the engine's world but the devices and files:
// the console, its rows, dialogs, printer, shell, lyrics, pointer and registry.
struct EngineDesk {
    RecordingMessageBox messages;
    FakeConsole console;
    PlaylistRows rows{AsciiNoCase()};
    QueuedDialogs dialogs;
    RecordingPrintService printing;
    RecordingShell shell;
    FakeLyrics lyrics;
    NullPointer pointer;
    MemoryRegistryStore registry;
    Latin1CodePages codePages;

    JukeBoxServices Services(MMCICtrl& mci, FileSystem& files, const PathNames& paths,
                             const TextCase& textCase) {
        return {console, rows,     mci,   files,  paths,   textCase, messages,
                dialogs, printing, shell, lyrics, pointer, registry, codePages};
    }
};

// An engine over simulated devices and files in memory, with every stand-in.
struct SimulatedJukeBox : EngineDesk {
    SimulatedMci mci;
    TablePathNames paths;
    MemoryFileSystem files;
    DbcsTextCase textCase;  // as AsciiTextCase for ASCII paths
    MMCICtrl module{mci, files, paths, textCase};
    CJukeBox box{Services(module, files, paths, textCase)};
};

}  // namespace brambletune::testing
