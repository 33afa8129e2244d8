// The console's commands over the real engine with simulated devices: the save
// question, play and resume, find next, modes, keys, labels and drops; and the
// window-free rules of the console (layout, command line, search results).
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "jukebox/console/AddFolderSearch.h"
#include "jukebox/console/CRecentFiles.h"
#include "jukebox/console/CommandLine.h"
#include "jukebox/console/ConsoleCommands.h"
#include "jukebox/console/ConsoleLayout.h"
#include "jukebox/console/MFindFile.h"
#include "jukebox/console/MemoryDirectoryListing.h"
#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/playback/doubles/EngineDoubles.h"
#include "jukebox/settings/MJukebox.h"

namespace brambletune {
namespace {

using namespace testing;

std::string Path(const std::string& name) {
    return "C:\\m\\" + name + ".wav";
}

class ListedMenu : public RecentMenu {
public:
    void Show(const std::vector<std::string>&) override {}
};

class NoPump : public MessagePump {
public:
    void ProcessPendingMessages() override {}
};

class FakeUi : public ConsoleWindowUi {
public:
    bool repeatAll = false;
    std::map<int, std::string> labels;
    std::int32_t modeOption = -1;
    bool unloaded = false;
    ConsoleCommands* commands = nullptr;

    std::uintptr_t Handle() const override { return 42; }
    void CheckMenuItem(ConsoleMenu, std::int32_t, bool) override {}
    void SelectModeOption(std::int32_t index) override { modeOption = index; }
    bool RepeatAllTicked() const override { return repeatAll; }
    void TickRepeatAll(bool on) override {
        repeatAll = on;
        commands->chkRepeatAll_Click(on);
    }
    void ShowRepeatAllLabel(bool) override {}
    void SetLabelText(std::int32_t label, const std::string& text) override {
        labels[label] = text;
    }
    std::string ResourceString(std::int32_t id) const override { return "#" + std::to_string(id); }
    void Unload() override { unloaded = true; }
    void ShowAddFolder() override {}
    void ShowOptions() override {}
    void ShowSongInfo(std::int32_t) override {}
    void ShowBatchEdit() override {}
    void ShowFind(CSong&) override {}
    void ShowLyricsOf(const CSong&) override {}
    void ShowTips() override {}
    void ShowAbout() override {}
    void ShowVolume() override {}
};

class FakeDesktop : public DesktopShell {
public:
    std::map<std::string, std::uint32_t> attributes;
    std::vector<std::string> opened;
    bool ShellOpen(const std::string& file, std::int32_t, const std::string&) override {
        opened.push_back(file);
        return true;
    }
    void ShowOpenWith(const std::string&) override {}
    bool ShowProperties(const std::string&) override { return true; }
    std::uint32_t Attributes(const std::string& path) const override {
        const auto found = attributes.find(path);
        return found == attributes.end() ? kNoFile : found->second;
    }
};

class ConsoleCommandsTest : public ::testing::Test, protected SimulatedJukeBox {
protected:
    ListedMenu menu;
    CRecentFiles recent{menu, registry, textCase, [](const std::string& p) { return p; }};
    FakeUi ui;
    FakeDesktop desktop;
    MemoryDirectoryListing disk;
    NoPump pump;
    MFindFile finder{disk, pump, pointer, textCase};
    ConsoleCommands commands{
        {box, rows, recent, ui, messages, desktop, registry, finder, files, textCase}};

    void SetUp() override {
        ui.commands = &commands;
        box.Init();
        recent.Init(5);
        Options.SetAllowDuplicates(false);
        Options.SetAutoSave(false);
        Options.SetAutoPlay(false);
        Options.SetSegueSeconds(0);
    }
    void Song(const std::string& name, int seconds = 30) {
        files.files[Path(name)] = "audio";
        mci.lengths[Path(name)] = static_cast<std::uint32_t>(seconds) * 1000;
        box.AddByPath(Path(name));
    }
    std::set<std::string> Playing() const { return mci.Playing(); }
    // An empty, unchanged album, as after a start.
    void ResetAlbum() {
        files.failReplace = false;
        box.Clear();
        box.dirty = false;
        messages.answers.clear();
    }
};

TEST_F(ConsoleCommandsTest, ExitAsksOnceAndNoStillEntersTheAlbumInTheRecentList) {
    Song("a");
    box.CurrentFileName = "C:\\x.alb";
    box.dirty = true;
    messages.answers = {MessageBoxService::kIdNo};
    commands.mnuAlbum_Click(16);
    commands.CloseAlbum();  // the unload closes the album again
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Do you wish to save the Album?");
    EXPECT_EQ(messages.shown[0].caption, "Save Album");
    EXPECT_EQ(recent.Files(), std::vector<std::string>{"C:\\x.alb"});
    EXPECT_TRUE(ui.unloaded);
    EXPECT_FALSE(files.FileExists("C:\\x.alb"));
}

// Every command that closes the album with saving, and how the save goes wrong.
struct ClosingCommand {
    const char* name;
    void (*run)(ConsoleCommands&);
};
const ClosingCommand kClosingCommands[] = {
    {"New", [](ConsoleCommands& c) { c.mnuAlbum_Click(0); }},
    {"Open", [](ConsoleCommands& c) { c.mnuAlbum_Click(1); }},
    {"Close", [](ConsoleCommands& c) { c.mnuAlbum_Click(6); }},
    {"Exit", [](ConsoleCommands& c) { c.mnuAlbum_Click(16); }},
    {"Recent", [](ConsoleCommands& c) { c.mnuRecent_Click("C:\\other.alb"); }},
    {"Dropped album", [](ConsoleCommands& c) { c.Drop({"C:\\other.alb"}); }},
    {"Unload", [](ConsoleCommands& c) { c.CloseAlbum(); }},
};
enum class SaveFault { kCancelledDialog, kFailedWrite, kAutoSaveCancelled };

TEST_F(ConsoleCommandsTest, ACancelledOrFailedSaveStopsEveryCloseAndKeepsTheAlbumChanged) {
    Song("other");
    ASSERT_TRUE(SaveAlbumFile(files, "C:\\other.alb", box.list, 1, 0, codePages));
    for (const SaveFault fault :
         {SaveFault::kCancelledDialog, SaveFault::kFailedWrite, SaveFault::kAutoSaveCancelled}) {
        for (const ClosingCommand& command : kClosingCommands) {
            SCOPED_TRACE(std::string(command.name) + " fault " +
                         std::to_string(static_cast<int>(fault)));
            ResetAlbum();
            Song("mine");
            box.CurrentFileName = fault == SaveFault::kFailedWrite ? "C:\\mine.alb" : "";
            box.dirty = true;
            files.failReplace = fault == SaveFault::kFailedWrite;
            Options.SetAutoSave(fault == SaveFault::kAutoSaveCancelled);
            if (fault != SaveFault::kAutoSaveCancelled)
                messages.answers = {MessageBoxService::kIdYes};
            command.run(commands);
            ASSERT_EQ(box.list.nSongs(), 1);
            EXPECT_EQ(box.list.song(0).songPath, Path("mine"));
            EXPECT_EQ(rows.Count(), 1);
            EXPECT_TRUE(box.dirty);
            EXPECT_EQ(box.CurrentFileName, fault == SaveFault::kFailedWrite ? "C:\\mine.alb" : "");
            EXPECT_FALSE(ui.unloaded);
            EXPECT_TRUE(recent.Files().empty());
        }
    }
}

TEST_F(ConsoleCommandsTest, ARecentAlbumIsOpenedEvenWhenTheCloseReordersTheRecentList) {
    for (const char* name : {"a", "b"}) {
        box.Clear();
        Song(name);
        ASSERT_TRUE(SaveAlbumFile(files, std::string("C:\\") + name + ".alb", box.list, 1, 0, codePages));
        recent.Add(std::string("C:\\") + name + ".alb");
    }
    box.Clear();
    Song("mine");
    box.CurrentFileName = "C:\\mine.alb";
    box.dirty = true;
    messages.answers = {MessageBoxService::kIdNo};
    commands.mnuRecent_Click(recent.Files()[1]);  // a.alb; the close puts mine.alb first
    EXPECT_EQ(box.CurrentFileName, "C:\\a.alb");
    ASSERT_EQ(box.list.nSongs(), 1);
    EXPECT_EQ(box.list.song(0).songPath, Path("a"));
}

TEST_F(ConsoleCommandsTest, PlayResumesAPausedSongAndStartsAStoppedOneAtTheSlider) {
    Song("a", 100);
    rows.SetSelectedItem(1);
    commands.mnuSong_Click(0);
    EXPECT_EQ(Playing(), std::set<std::string>{Path("a")});
    commands.mnuSong_Click(2);
    EXPECT_TRUE(Playing().empty());
    commands.mnuSong_Click(0);
    EXPECT_EQ(Playing(), std::set<std::string>{Path("a")});

    commands.mnuSong_Click(1);
    console.slider = 250;  // a quarter of the scale
    commands.mnuSong_Click(0);
    ASSERT_EQ(Playing().size(), 1u);
    EXPECT_EQ(mci.devices[mci.DeviceOf(Path("a"))].position, 25000u);
}

TEST_F(ConsoleCommandsTest, ADigitJumpsToThatTenthOfTheSong) {
    Song("a", 100);
    rows.SetSelectedItem(1);
    commands.mnuSong_Click(0);
    EXPECT_TRUE(commands.Form_KeyPress('5'));
    EXPECT_EQ(mci.devices[mci.DeviceOf(Path("a"))].position, 50000u);
    EXPECT_FALSE(commands.Form_KeyPress('q'));
}

TEST_F(ConsoleCommandsTest, MediaKeysArePlayOrPauseStopNextAndBack) {
    Song("a", 100);
    Song("b", 100);
    rows.SetSelectedItem(1);
    const struct {
        MediaCommand key;
        std::set<std::string> playing;
    } steps[] = {
        {MediaCommand::kPlayOrPause, {Path("a")}},
        {MediaCommand::kPlayOrPause, {}},  // paused
        {MediaCommand::kPlayOrPause, {Path("a")}},
        {MediaCommand::kNext, {Path("b")}},
        {MediaCommand::kPrevious, {Path("a")}},
        {MediaCommand::kStop, {}},
        {MediaCommand::kNone, {}},
    };
    for (const auto& step : steps) {
        commands.MediaKey(step.key);
        EXPECT_EQ(Playing(), step.playing) << static_cast<int>(step.key);
    }
}

TEST_F(ConsoleCommandsTest, FindNextAfterTheLastMatchSelectsTheFirstRow) {
    Song("alpha");
    Song("beta");
    commands.FindSong.songTitle = "beta";
    commands.mnuPlayList_Click(7);
    EXPECT_EQ(rows.SelectedItem(), 2);
    commands.mnuPlayList_Click(7);
    EXPECT_EQ(rows.SelectedItem(), 1);
}

TEST_F(ConsoleCommandsTest, ModesClearTheShuffleHistoryAndTheModeLabelCycles) {
    Song("a");
    box.list.song(0).history = 1;
    box.dirty = false;
    commands.mnuMode_Click(0);
    EXPECT_EQ(box.list.nHistory(), 0);
    EXPECT_TRUE(box.dirty);
    for (int click = 0; click < 3; ++click) commands.lbl_MouseDown(5);
    EXPECT_EQ(box.list.PlayMode, 0);
    EXPECT_EQ(ui.labels[5], "#100");
    EXPECT_TRUE(commands.Form_KeyPress('v'));
    EXPECT_TRUE(box.list.repeatAll);
}

TEST_F(ConsoleCommandsTest, DroppedAlbumOpensAloneAndDroppedFoldersAreSearched) {
    disk.AddFolder("C:\\d\\");
    disk.AddFile("C:\\d\\", "t.mp3");
    desktop.attributes["C:\\d"] = DesktopShell::kDirectoryOnly;
    desktop.attributes["C:\\e"] = DesktopShell::kDirectoryOnly | 0x20;  // archive bit
    commands.Drop({"C:\\one.wav", "C:\\d", "C:\\e"});
    ASSERT_EQ(box.list.nSongs(), 3);
    EXPECT_EQ(box.list.song(1).songPath, "C:\\d\\t.mp3");
    EXPECT_EQ(box.list.song(2).songPath, "C:\\e");

    Song("keep");
    ASSERT_TRUE(SaveAlbumFile(files, "C:\\x.ALB", box.list, 1, 0, codePages));
    box.Clear();
    commands.Drop({"C:\\x.ALB", "C:\\two.wav"});
    EXPECT_EQ(box.list.nSongs(), 4);
    EXPECT_EQ(box.CurrentFileName, "C:\\x.ALB");

    // "\x81" leads a two-byte character whose trail byte is the 'A': the name
    // does not end in the three characters "ALB".
    ASSERT_TRUE(SaveAlbumFile(files,
                              "C:\\y\x81"
                              "ALB",
                              box.list, 1, 0, codePages));
    box.Clear();
    commands.Drop(
        {"C:\\y\x81"
         "ALB"});
    ASSERT_EQ(box.list.nSongs(), 1);
    EXPECT_EQ(box.list.song(0).songPath,
              "C:\\y\x81"
              "ALB");
    EXPECT_EQ(box.CurrentFileName, "");
}

TEST(ConsoleRules, TheIconLeavesANarrowPanelAndTheListTakesAHiddenSlidersRoom) {
    ConsoleLayout layout;
    layout.Resize(9000, 5000, 0);
    EXPECT_EQ(layout.parts().frameLeft, (9000 + 2910 - 2430 - 90) / 2);
    EXPECT_EQ(layout.parts().iconLeft, (layout.parts().frameLeft + 2430) / 2);
    EXPECT_EQ(layout.parts().listHeight, 5000 - 1185);
    layout.Resize(6000, 5000, 0);
    EXPECT_EQ(layout.parts().iconLeft, ConsoleLayout::kOffScreen);
    layout.State(1, 600, 5000);
    layout.Resize(6000, 5000, 1);
    EXPECT_EQ(layout.parts().listHeight, 5000 - 960);
    EXPECT_FALSE(layout.parts().sliderVisible);
    EXPECT_EQ(layout.State(3, 600, 5000).maxHeight, 600 + 870);
}

TEST(ConsoleRules, AQuotedCommandLineLosesItsQuotes) {
    EXPECT_EQ(CommandLinePath("\"C:\\My Music\\a.alb\""), "C:\\My Music\\a.alb");
    EXPECT_EQ(CommandLinePath("  C:\\A~1.ALB "), "C:\\A~1.ALB");
    EXPECT_EQ(CommandLinePath(""), "");
}

TEST(ConsoleRules, SearchResultsCountFilesAndFoldersInTheSingularForOne) {
    EXPECT_EQ(SearchResultsText(1, 3), "1 file added from 3 folders");
    EXPECT_EQ(SearchResultsText(0, 1), "0 file added from 1 folder");
    EXPECT_EQ(SearchResultsText(12, 2), "12 files added from 2 folders");
    EXPECT_EQ(FileTypePatterns(3), "*.mp2;*.mp3;");
    EXPECT_EQ(FileTypePatterns(5), "");
}

}  // namespace
}  // namespace brambletune
