// The engine over simulated MCI devices, in-memory files and rows: play order,
// segue, play errors, removal and its index bookkeeping, find, albums, import
// and printing. Tests judge what is heard and shown, not the commands sent.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/model/AlbumFile.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/playback/doubles/EngineDoubles.h"
#include "jukebox/settings/MJukebox.h"

namespace brambletune {
namespace {

using namespace testing;
using Files = std::set<std::string>;

std::string Path(const std::string& name) {
    return "C:\\m\\" + name + ".wav";
}

class JukeBoxTest : public ::testing::Test, protected SimulatedJukeBox {
protected:
    void SetUp() override {
        box.Init();
        Options.SetSegueSeconds(0);
        Options.SetErrorAction(0);
        Options.SetAllowDuplicates(false);
        Options.SetRemoveDuplicatesOnLoad(false);
    }

    // A playable file of that many seconds, added to the playlist.
    void Song(const std::string& name, int seconds = 30) {
        files.files[Path(name)] = "audio";
        mci.lengths[Path(name)] = static_cast<std::uint32_t>(seconds) * 1000;
        box.AddByPath(Path(name));
    }
    void Play(const std::string& name) {
        rows.SetSelectedItem(rows.IndexOfKey(KeyToStr(IndexOf(name))));
        box.SetCurrentSong();
        box.PlaySong(0);
    }
    std::int32_t IndexOf(const std::string& name) const {
        for (std::int32_t i = 0; i < box.list.nSongs(); ++i)
            if (box.list.song(i).songPath == Path(name)) return i;
        return -1;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (std::int32_t p = 1; p <= rows.Count(); ++p)
            titles.push_back(rows.Cell(p, kTitleColumn));
        return titles;
    }
};

TEST_F(JukeBoxTest, NormalOrderFollowsTheSortedRowsAndStopsAfterTheLastRow) {
    Song("c");
    Song("a");
    Song("b");
    rows.SetSort(kTitleColumn, 0);
    Play("a");
    mci.Finish(Path("a"));
    EXPECT_EQ(mci.Playing(), Files{Path("b")});
    mci.Finish(Path("b"));
    EXPECT_EQ(mci.Playing(), Files{Path("c")});
    mci.Finish(Path("c"));
    EXPECT_TRUE(mci.Playing().empty());
    EXPECT_EQ(console.labels[ConsoleView::kStatusLabel], "Stopped");
    EXPECT_EQ(box.CurrentIndex(), IndexOf("a"));  // the first row, ready to play again

    box.list.repeatAll = true;
    Play("c");
    mci.Finish(Path("c"));
    EXPECT_EQ(mci.Playing(), Files{Path("a")});
}

TEST_F(JukeBoxTest, ShuffleVisitsEachOtherSongOnceThenStopsOrGoesOnWithRepeatAll) {
    for (const bool repeatAll : {false, true}) {
        box.Clear();
        Song("a");
        Song("b");
        Song("c");
        box.list.PlayMode = 1;
        box.list.repeatAll = repeatAll;
        Play("a");
        Files heard;
        for (int press = 0; press < 2; ++press) {
            box.NextButton();
            ASSERT_EQ(mci.Playing().size(), 1u);
            heard.insert(*mci.Playing().begin());
        }
        EXPECT_EQ(heard, (Files{Path("b"), Path("c")}));
        box.NextButton();
        EXPECT_EQ(mci.Playing().size(), repeatAll ? 1u : 0u);
        if (!repeatAll) {
            EXPECT_EQ(box.list.nHistory(), 0);
        }
    }
}

TEST_F(JukeBoxTest, RepeatOneRepeatsOnlyWithRepeatAllAndNeverSegues) {
    Options.SetSegueSeconds(5);
    Song("a", 60);
    Song("b", 60);
    box.list.PlayMode = 2;
    Play("a");
    mci.MoveTo(Path("a"), 58000);
    box.MMCStatusUpdate();
    EXPECT_EQ(mci.Playing(), Files{Path("a")});
    mci.Finish(Path("a"));
    EXPECT_TRUE(mci.Playing().empty());

    box.list.repeatAll = true;
    Play("a");
    mci.Finish(Path("a"));
    EXPECT_EQ(mci.Playing(), Files{Path("a")});
}

TEST_F(JukeBoxTest, SegueStartsTheNextSongOnTheOtherDeviceWhileThePreviousPlaysOut) {
    Options.SetSegueSeconds(5);
    Song("short", 10);
    Song("a", 11);
    Song("b", 30);
    Play("short");
    mci.MoveTo(Path("short"), 9500);
    box.MMCStatusUpdate();
    EXPECT_EQ(mci.Playing(), Files{Path("short")}) << "a 10 s song is too short to segue";

    Play("a");
    mci.MoveTo(Path("a"), 5000);  // 6 s left
    box.MMCStatusUpdate();
    EXPECT_EQ(mci.Playing(), Files{Path("a")});
    mci.MoveTo(Path("a"), 6000);  // 5 s left
    box.MMCStatusUpdate();
    EXPECT_EQ(mci.Playing(), (Files{Path("a"), Path("b")}));
    EXPECT_NE(mci.DeviceOf(Path("a")), mci.DeviceOf(Path("b")));

    mci.Finish(Path("a"));  // the faded-out song's notice is not the current song's end
    EXPECT_EQ(mci.Playing(), Files{Path("b")});
    EXPECT_EQ(box.CurrentIndex(), IndexOf("b"));
}

TEST_F(JukeBoxTest, AFailedSegueLetsThePreviousSongFinishThenRetriesOnceBeforeReporting) {
    Options.SetSegueSeconds(5);
    Song("a", 30);
    Song("bad", 30);
    Song("c", 30);
    mci.unopenable.insert(Path("bad"));
    Play("a");
    mci.MoveTo(Path("a"), 26000);
    box.MMCStatusUpdate();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(mci.Playing(), Files{Path("a")});

    messages.answers = {MessageBoxService::kIdNo};
    mci.Finish(Path("a"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Error playing file");
    EXPECT_EQ(mci.Playing(), Files{Path("c")}) << "No goes on with the next song";
}

TEST_F(JukeBoxTest, ASongStartedAfterASilentSegueFailureStillSegues) {
    Options.SetSegueSeconds(5);
    Song("a", 30);
    Song("bad", 30);
    Song("c", 30);
    Song("d", 30);
    mci.unopenable.insert(Path("bad"));
    Play("a");
    mci.MoveTo(Path("a"), 26000);
    box.MMCStatusUpdate();
    ASSERT_EQ(mci.Playing(), Files{Path("a")});

    Play("c");
    mci.MoveTo(Path("c"), 26000);
    box.MMCStatusUpdate();
    EXPECT_EQ(mci.Playing(), (Files{Path("c"), Path("d")}));
}

TEST_F(JukeBoxTest, AnUnplayableFileAsksAndYesRemovesIt) {
    Song("a");
    Song("b");
    files.files.erase(Path("a"));
    messages.answers = {MessageBoxService::kIdYes};
    Play("a");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "The file 'a' could not be played.  The error message was:\r\n\r\n" + Path("a") +
                  " does not exist or is in use.\r\n\r\nRemove file from Playlist?");
    EXPECT_EQ(box.list.nSongs(), 1);
    EXPECT_EQ(mci.Playing(), Files{Path("b")});
}

TEST_F(JukeBoxTest, TheTenthConsecutiveFailureStopsPlayAndTheCountStartsAgain) {
    Options.SetErrorAction(1);
    for (int i = 0; i < 12; ++i) Song("s" + std::to_string(i));
    for (int i = 0; i < 12; ++i) files.files.erase(Path("s" + std::to_string(i)));
    Play("s0");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "10 consecutive files could not be played!");
    EXPECT_EQ(console.labels[ConsoleView::kStatusLabel], "Stopped");
    Play("s0");
    EXPECT_EQ(messages.shown.size(), 2u) << "ten more failures before the next stop";
}

TEST_F(JukeBoxTest, BackPlaysTheLastSongEarlyInASongAndRestartsItLater) {
    Song("a");
    Song("b");
    Play("a");
    mci.Finish(Path("a"));
    console.slider = 30;  // 3 %
    box.BackButton();
    EXPECT_EQ(mci.Playing(), Files{Path("a")});
    mci.Finish(Path("a"));
    console.slider = 500;
    box.BackButton();
    EXPECT_EQ(mci.Playing(), Files{Path("b")});
}

TEST_F(JukeBoxTest, AbortedSupersededAndInactiveDeviceNoticesChangeNothing) {
    Song("a");
    Song("b");
    Play("a");
    const std::uint32_t id = mci.DeviceOf(Path("a"));
    mci.Post(mci::kNotifyAborted, id);
    mci.Post(mci::kNotifySuperseded, id);
    mci.Post(mci::kNotifySuccessful, id + 1);
    EXPECT_EQ(mci.Playing(), Files{Path("a")});
    EXPECT_EQ(box.CurrentIndex(), IndexOf("a"));
}

TEST_F(JukeBoxTest, RemovingASongMovesTheLastSongIntoItsIndexAndKeepsTheCurrentSong) {
    for (const char* name : {"s0", "s1", "s2", "s3", "s4"}) Song(name);
    Play("s4");
    box.RemoveByIndex(rows.IndexOfKey("1a"));
    EXPECT_EQ(box.list.song(1).songPath, Path("s4"));
    EXPECT_EQ(rows.Cell(rows.IndexOfKey("1a"), kPathColumn), Path("s4"));
    EXPECT_EQ(rows.IndexOfKey("4a"), 0);
    EXPECT_EQ(box.CurrentIndex(), 1);
    EXPECT_EQ(mci.Playing(), Files{Path("s4")});

    box.RemoveByKey("1a");
    EXPECT_EQ(box.CurrentIndex(), -1);
    EXPECT_TRUE(mci.devices.empty()) << "the removed song's device is closed";
    EXPECT_EQ(console.labels[ConsoleView::kCountLabel], "3");
}

TEST_F(JukeBoxTest, RemoveDeadRemovesAdjacentMissingFiles) {
    for (const char* name : {"a", "b", "c", "d"}) Song(name);
    files.files.erase(Path("b"));
    files.files.erase(Path("c"));
    box.RemoveDead();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "d"}));
}

TEST_F(JukeBoxTest, RemoveDuplicatesKeepsOneOfEachFileAndTheSortOrder) {
    Options.SetAllowDuplicates(true);
    Song("x");
    Song("y");
    box.AddByPath("C:\\M\\X.WAV");
    Song("z");
    Song("y");
    rows.SetSort(kTitleColumn, 1);
    box.RemoveDuplicates();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"z", "y", "x"}));
    EXPECT_EQ(rows.SortIdx(), kTitleColumn);
    EXPECT_EQ(rows.SortOrd(), 1);
    // The same songs at the same indices as removing the rows one by one.
    ASSERT_EQ(box.list.nSongs(), 3);
    EXPECT_EQ(box.list.song(0).songPath, Path("x"));
    EXPECT_EQ(box.list.song(1).songPath, Path("y"));
    EXPECT_EQ(box.list.song(2).songPath, Path("z"));
    for (std::int32_t i = 0; i < 3; ++i) EXPECT_GT(rows.IndexOfKey(KeyToStr(i)), 0);
}

// Two engines with the same songs, sort, selection, current and last song:
// one removes the selected rows one by one from the last to the first, the
// other in one pass. Songs, rows, current and last song must come out the same.
struct RemovalTwins {
    SimulatedJukeBox byRow, inOnePass;

    void Each(const std::function<void(SimulatedJukeBox&)>& step) {
        step(byRow);
        step(inOnePass);
    }
    static std::vector<std::string> Rows(const SimulatedJukeBox& j) {
        std::vector<std::string> rows;
        for (std::int32_t p = 1; p <= j.rows.Count(); ++p)
            rows.push_back(KeyToStr(j.rows.KeyOfIndex(p)) + " " + j.rows.Cell(p, kPathColumn));
        return rows;
    }
    static std::vector<std::string> Songs(const SimulatedJukeBox& j) {
        std::vector<std::string> songs;
        for (std::int32_t i = 0; i < j.box.list.nSongs(); ++i)
            songs.push_back(j.box.list.song(i).songPath);
        return songs;
    }
};

TEST_F(JukeBoxTest, RemovingTheSelectionInOnePassEqualsRemovingRowsFromTheLast) {
    std::mt19937 random(18);
    for (int round = 0; round < 60; ++round) {
        RemovalTwins twins;
        const int n = 1 + static_cast<int>(random() % 40);
        const auto column = static_cast<std::int32_t>(1 + random() % kPlaylistColumns);
        const auto order = static_cast<std::int32_t>(random() % 2);
        const auto last = static_cast<std::int32_t>(random() % n);
        const auto current = static_cast<std::int32_t>(random() % n);
        std::vector<bool> selected;
        for (int p = 0; p < n; ++p) selected.push_back(random() % 3 == 0);
        twins.Each([&](SimulatedJukeBox& j) {
            j.box.Init();
            for (int i = 0; i < n; ++i) {
                const std::string path = Path("s" + std::to_string(i));
                j.files.files[path] = "audio";
                j.mci.lengths[path] = 30000;
                j.box.AddByPath(path);
            }
            j.rows.SetSort(column, order);
            for (const std::int32_t index : {last, current}) {
                j.rows.SetSelectedItem(j.rows.IndexOfKey(KeyToStr(index)));
                j.box.SetCurrentSong();
                j.box.PlaySong(0);
                j.box.UpdateLastSong();
            }
            for (int p = 0; p < n; ++p)
                j.rows.SetSelected(p + 1, selected[static_cast<std::size_t>(p)]);
        });
        for (std::int32_t p = twins.byRow.rows.Count(); p >= 1; --p)
            if (twins.byRow.rows.IsSelected(p)) twins.byRow.box.RemoveByIndex(p);
        twins.inOnePass.box.RemoveSelected();

        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_EQ(RemovalTwins::Songs(twins.inOnePass), RemovalTwins::Songs(twins.byRow));
        EXPECT_EQ(RemovalTwins::Rows(twins.inOnePass), RemovalTwins::Rows(twins.byRow));
        EXPECT_EQ(twins.inOnePass.box.CurrentIndex(), twins.byRow.box.CurrentIndex());
        EXPECT_EQ(twins.inOnePass.mci.Playing(), twins.byRow.mci.Playing());
        // Back at the start of a song returns to the last song, where one is left.
        twins.Each([](SimulatedJukeBox& j) {
            j.console.slider = 0;
            j.box.BackButton();
        });
        EXPECT_EQ(twins.inOnePass.box.CurrentIndex(), twins.byRow.box.CurrentIndex());
        EXPECT_EQ(twins.inOnePass.console.labels[ConsoleView::kCountLabel],
                  twins.byRow.console.labels[ConsoleView::kCountLabel]);
    }
}

// While the Recycle Bin question is open the playing song ends, the next one
// is unplayable and removed automatically, and the asked-about song moves.
TEST_F(JukeBoxTest, RecyclingActsOnTheAskedAboutSongWhateverMovedWhileTheBoxWasOpen) {
    for (const char* name : {"s0", "s1", "s2", "s3"}) Song(name);
    files.files.erase(Path("s0"));
    Options.SetErrorAction(2);
    box.list.repeatAll = true;
    Play("s3");
    messages.whileOpen = [&] { mci.Finish(Path("s3")); };
    messages.answers = {MessageBoxService::kIdNo};
    box.RemovePhysically(IndexOf("s3"));
    EXPECT_EQ(shell.recycled, std::vector<std::vector<std::string>>{{Path("s3")}});
    EXPECT_EQ(Titles(), (std::vector<std::string>{"s1", "s2"}));
    EXPECT_EQ(mci.Playing(), Files{Path("s1")});
}

// While the play-error question is open another album is handed over and plays.
TEST_F(JukeBoxTest, ThePlayErrorAnswerConcernsOnlyTheSongThatFailed) {
    Options.SetAutoPlay(true);
    Song("b");
    Song("c");
    ASSERT_TRUE(SaveAlbumFile(files, "C:\\x.alb", box.list, 1, 0, codePages));
    box.Clear();
    box.AddByPath(Path("a"));  // no such file
    messages.whileOpen = [&] {
        box.Clear();
        box.PlayFile("C:\\x.alb");
    };
    messages.answers = {MessageBoxService::kIdYes};
    Play("a");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(mci.Playing(), Files{Path("b")});

    // Still the failed song when the box closes: Yes removes it.
    Song("d");
    files.files.erase(Path("d"));
    messages.answers = {MessageBoxService::kIdYes};
    Play("d");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"b", "c"}));
}

TEST_F(JukeBoxTest, AFileIsAddedOnceWhateverItsSpellingUnlessDuplicatesAreAllowed) {
    paths.shortForms[Path("longname")] = "C:\\m\\LONGNA~1.WAV";
    paths.shortForms["C:\\m\\LONGNA~1.WAV"] = "C:\\m\\LONGNA~1.WAV";
    paths.shortForms["c:\\M\\LongName.wav"] = "c:\\M\\LONGNA~1.WAV";
    Song("longname");
    box.AddByPath("C:\\m\\LONGNA~1.WAV");
    box.AddByPath("c:\\M\\LongName.wav");
    EXPECT_EQ(box.list.nSongs(), 1);
    Options.SetAllowDuplicates(true);
    box.AddByPath(Path("longname"));
    EXPECT_EQ(box.list.nSongs(), 2);
}

TEST_F(JukeBoxTest, FindStartsOverForNewCriteriaAndContinuesWithFindNext) {
    for (const char* name : {"alpha", "beta", "alpine"}) Song(name);
    CSong criteria;
    criteria.songTitle = "alp";
    EXPECT_EQ(box.Find(7, criteria, 3), 1);
    EXPECT_EQ(box.Find(7, criteria, -1), 3);
    EXPECT_EQ(box.Find(7, criteria, -1), -1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "The song was not found in the list");
    EXPECT_EQ(messages.shown[0].owner, 7u);
    EXPECT_EQ(box.Find(7, criteria, -1), 1);
}

TEST_F(JukeBoxTest, ImportLeavesOutWhatTheCodePageCannotHoldAndSaysSoOnce) {
    codePages.programUtf8 = false;
    files.files["C:\\Lists\\x.m3u8"] = "\xE6\x9B\xB2.wav\r\na.wav\r\n\xE6\x9B\xB2 2.wav\r\n";
    dialogs.results.push_back({"C:\\Lists\\", {"x.m3u8"}, 1});
    box.DoImport();
    ASSERT_EQ(box.list.nSongs(), 1);
    EXPECT_EQ(box.list.song(0).songPath, "C:\\Lists\\a.wav");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "2 entries of the playlist were left out: their names use characters that this "
              "system's code page cannot hold, so they cannot be opened.");
    EXPECT_EQ(messages.shown[0].caption, "Import playlist");
}

TEST_F(JukeBoxTest, ExportWritesTheRowsInTheirOrderAndLeavesTheAlbumAsItWas) {
    for (const char* name : {"b", "a"}) {
        files.files[std::string("C:\\m\\") + name + ".wav"] = std::string(300, 'x');
        box.AddByPath(std::string("C:\\m\\") + name + ".wav");
    }
    box.list.song(0).songArtist = "Band";
    box.list.song(0).songLength = 61;
    box.CurrentFileName = "C:\\x.alb";
    box.dirty = true;
    rows.SetSort(kTitleColumn, 0);
    dialogs.results.push_back({"C:\\out\\", {"list.m3u8"}, 1});
    box.DoExport();
    EXPECT_EQ(files.files["C:\\out\\list.m3u8"],
              "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:-1,a\r\nC:\\m\\a.wav\r\n"
              "#EXTINF:61,Band - b\r\nC:\\m\\b.wav\r\n");
    EXPECT_EQ(files.files.count("C:\\out\\list.m3u8.new"), 0u);
    EXPECT_EQ(box.CurrentFileName, "C:\\x.alb");
    EXPECT_TRUE(box.dirty);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(JukeBoxTest, ImportTakesRelativeLinesFromThePlaylistsFolder) {
    files.files["C:\\Lists\\x.m3u"] =
        "#EXTM3U\r\nmusic\\a.mp3\r\n \t \r\n\\\\server\\share\\b.mp3\rD:\\c.mp3\n"
        "..\\d.mp3\n\\e.mp3\n";
    dialogs.results.push_back({"C:\\Lists\\", {"x.m3u"}, 1});
    box.DoImport();
    ASSERT_EQ(box.list.nSongs(), 5);
    EXPECT_EQ(box.list.song(0).songPath, "C:\\Lists\\music\\a.mp3");
    EXPECT_EQ(box.list.song(1).songPath, "\\\\server\\share\\b.mp3");
    EXPECT_EQ(box.list.song(2).songPath, "D:\\c.mp3");
    EXPECT_EQ(box.list.song(3).songPath, "C:\\d.mp3");
    EXPECT_EQ(box.list.song(4).songPath, "C:\\e.mp3");
}

TEST_F(JukeBoxTest, AFileWithNulBytesNearItsStartIsNoTextPlaylist) {
    files.files["C:\\Lists\\song.mp3"] = std::string("ID3\x03\0\0\0\0a.mp3\r\nb.mp3\r\n", 19);
    dialogs.results.push_back({"C:\\Lists\\", {"song.mp3"}, 1});
    box.DoImport();
    EXPECT_TRUE(box.list.IsEmpty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "C:\\Lists\\song.mp3 is not a text playlist");
}

TEST_F(JukeBoxTest, AnAlbumsRelativeSongLinesNameFilesBesideTheAlbum) {
    CSongList album;
    for (const char* path : {"a.wav", "sub\\b.wav", "..\\c.wav", "D:\\d.wav"}) {
        CSong song;
        song.songPath = path;
        album.Add(song);
    }
    album.song(0).songLyrics = "a.txt";
    ASSERT_TRUE(SaveAlbumFile(files, "C:\\Albums\\x.alb", album, 1, 0, codePages));
    box.DoOpen("C:\\Albums\\x.alb");
    ASSERT_EQ(box.list.nSongs(), 4);
    EXPECT_EQ(box.list.song(0).songPath, "C:\\Albums\\a.wav");
    EXPECT_EQ(box.list.song(1).songPath, "C:\\Albums\\sub\\b.wav");
    EXPECT_EQ(box.list.song(2).songPath, "C:\\c.wav");
    EXPECT_EQ(box.list.song(3).songPath, "D:\\d.wav");
    EXPECT_EQ(box.list.song(0).songLyrics, "C:\\Albums\\a.txt");
    EXPECT_EQ(box.list.song(1).songLyrics, "");
}

TEST_F(JukeBoxTest, PhysicalRemovalRefusesAPathThatIsNotFullyQualified) {
    CSong relative;
    relative.songPath = "a.wav";
    files.files["a.wav"] = "audio";
    box.Add(relative);
    Song("b");
    box.RemovePhysically(0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "a.wav is not a full path; the file was not deleted.");
    EXPECT_TRUE(shell.recycled.empty());
    EXPECT_EQ(box.list.nSongs(), 2);

    messages.answers = {MessageBoxService::kIdNo};
    box.RemovePhysically(1);
    ASSERT_EQ(shell.recycled.size(), 1u);
    EXPECT_EQ(shell.recycled[0], std::vector<std::string>{Path("b")});
    EXPECT_EQ(box.list.nSongs(), 1);
}

TEST_F(JukeBoxTest, AnAlbumsPlayModeOutsideTheThreeOrdersOpensInNormalOrder) {
    Song("a");
    for (const std::int32_t stored : {0, 1, 2, 3, 4, 6, 7, -1, 99}) {
        SCOPED_TRACE(stored);
        box.list.PlayMode = stored;
        ASSERT_TRUE(SaveAlbumFile(files, "C:\\x.alb", box.list, 1, 0, codePages));
        console.playModeCommands.clear();
        box.DoOpen("C:\\x.alb");
        const std::int32_t expected = stored >= 0 && stored <= 2 ? stored : 0;
        EXPECT_EQ(box.list.PlayMode, expected);
        EXPECT_EQ(console.playModeCommands, std::vector<std::int32_t>{expected});
    }
}

TEST_F(JukeBoxTest, AHandedOverAlbumWaitsForTheOpenAlbumToClose) {
    Song("mine");
    ASSERT_TRUE(SaveAlbumFile(files, "C:\\other.alb", box.list, 1, 0, codePages));
    box.CurrentFileName = "C:\\mine.alb";
    box.dirty = true;
    console.closeAlbumAnswer = false;  // the save was cancelled or failed
    box.PlayFile("C:\\other.alb");
    EXPECT_EQ(box.CurrentFileName, "C:\\mine.alb");
    EXPECT_TRUE(box.dirty);
    EXPECT_EQ(rows.Count(), 1);
}

TEST_F(JukeBoxTest, OpeningAnAlbumNeverLeavesACurrentIndexPastItsSongs) {
    Song("a");
    Song("b");
    ASSERT_TRUE(SaveAlbumFile(files, "C:\\x.alb", box.list, 1, 7, codePages));
    box.Clear();
    box.DoOpen("C:\\x.alb");
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(box.CurrentIndex(), -1);
    EXPECT_EQ(console.caption, "x.alb - Brambletune");
    EXPECT_FALSE(box.dirty);
    EXPECT_EQ(shell.recentDocuments, std::vector<std::string>{"C:\\x.alb"});

    box.DoOpen("C:\\missing.alb");
    EXPECT_EQ(messages.shown.back().text, "C:\\missing.alb was not found or is not a file");
}

TEST_F(JukeBoxTest, SavingUsesTheChosenFormatAndAFailedSaveKeepsTheAlbumChanged) {
    Song("a");
    EXPECT_FALSE(box.DoSave(false));  // the dialog cancelled
    EXPECT_TRUE(box.dirty);
    dialogs.results.push_back({"C:\\", {"old.alb"}, 3});
    EXPECT_TRUE(box.DoSave(false));
    EXPECT_EQ(files.files["C:\\old.alb"].find("Brambletune 2a"), 1u);
    EXPECT_FALSE(box.dirty);

    Song("b");
    files.failReplace = true;
    EXPECT_FALSE(box.DoSave(false));
    EXPECT_TRUE(box.dirty);
    EXPECT_EQ(box.CurrentFileName, "C:\\old.alb");
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(JukeBoxTest, PrintingPutsTheColumnsOnLinesAndRepeatsTheHeadingOnEachPage) {
    for (int i = 0; i < 10; ++i) Song("s" + std::to_string(i), 65);
    box.DoPrint();
    ASSERT_EQ(printing.pages.size(), 2u);
    EXPECT_EQ(printing.pages[0][0], "Title|Artist|Album|Length");
    EXPECT_EQ(printing.pages[1][0], "Title|Artist|Album|Length");
    EXPECT_EQ(printing.pages[0][1].substr(0, 3), "s0|");
    EXPECT_TRUE(printing.fonts[0].italic);

    printing.pages.clear();
    printing.selectedOnly = true;
    rows.SetSelectedItem(3);
    box.DoPrint();
    ASSERT_EQ(printing.pages[0].size(), 2u);
    EXPECT_EQ(printing.pages[0][1].substr(0, 3), "s2|");

    printing.available = false;
    box.DoPrint();
    EXPECT_EQ(messages.shown.back().text, "No printer is installed.");
}

TEST_F(JukeBoxTest, TimesAreShownElapsedOrRemaining) {
    EXPECT_EQ(FormatTime(65), "1:05");
    EXPECT_EQ(FormatTime(3725), "1:02:05");
    Song("a", 200);
    Play("a");
    EXPECT_EQ(box.GetTime(65), "1:05");
    Options.SetTimeMode(1);
    EXPECT_EQ(box.GetTime(65), "-2:15");
    box.CalculateSelectedLength();
    EXPECT_EQ(console.labels[ConsoleView::kLengthLabel], "3:20");
}

TEST_F(JukeBoxTest, AFileGivenFromOutsideIntoAnEmptyListPlaysAtOnce) {
    Options.SetAutoPlay(true);
    files.files[Path("a")] = "audio";
    mci.lengths[Path("a")] = 5000;
    box.PlayFile(Path("a"));
    EXPECT_EQ(mci.Playing(), Files{Path("a")});
    EXPECT_EQ(console.caption, "a -  - m - 0:05 -  - Brambletune");
}

// "\x95\x5C" is one character in a code page like 932, not a letter and a backslash.
TEST_F(JukeBoxTest, AlbumFileNameIsCutAtTheRealBackslash) {
    Options.SetAutoPlay(true);
    Song("a");
    ASSERT_TRUE(SaveAlbumFile(files, "C:\\Mix\x95\x5C.alb", box.list, 1, 0, codePages));
    box.Clear();
    box.PlayFile("C:\\Mix\x95\x5C.alb");
    EXPECT_EQ(box.CurrentFileName, "C:\\Mix\x95\x5C.alb");
    EXPECT_EQ(console.caption, "a -  - m - 0:30 - Mix\x95\x5C.alb - Brambletune");
}

}  // namespace
}  // namespace brambletune
