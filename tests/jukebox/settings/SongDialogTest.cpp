// The song dialog's rules over a recording view and the simulated engine: its
// modes, the save question, Next Song, batch edit, find, the genre list and
// the ID3 menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "jukebox/playback/doubles/EngineDoubles.h"
#include "jukebox/settings/SongDialog.h"
#include "jukebox/settings/SongDialogView.h"
#include "jukebox/settings/TagWriter.h"

namespace brambletune {
namespace {

using namespace testing;

class FakeSongView : public SongDialogView {
public:
    std::array<std::string, SongDialog::kBoxes> texts;
    std::vector<std::string> genres;
    int selection = -1;
    std::string caption;
    std::map<int, std::string> buttons;
    std::map<int, bool> enabled, shown;
    std::int32_t rowIcon = 0;
    int unloads = 0, popups = 0;

    std::uintptr_t Handle() const override { return 77; }
    std::string Text(int box) const override { return texts[static_cast<std::size_t>(box)]; }
    void SetText(int box, const std::string& text) override {
        texts[static_cast<std::size_t>(box)] = text;
    }
    void SetGenreNames(const std::vector<std::string>& names) override {
        genres = names;
        selection = -1;
    }
    int GenreSelection() const override { return selection; }
    void SelectGenre(int index) override { selection = index; }
    void SetCaption(const std::string& text) override { caption = text; }
    void SetButtonCaption(int button, const std::string& text) override { buttons[button] = text; }
    void EnableButton(int button, bool enable) override { enabled[button] = enable; }
    void ShowButton(int button, bool show) override { shown[button] = show; }
    void ShowRowIcon(std::int32_t row) override { rowIcon = row; }
    void PopupID3Menu() override { ++popups; }
    void Unload() override { ++unloads; }

    std::string SelectedGenre() const {
        return selection < 0 ? "" : genres[static_cast<std::size_t>(selection)];
    }
};

// The user's word sort as far as the genre names need it: no case, no hyphens.
std::string WordSortKey(const std::string& text) {
    std::string key;
    for (char c : text)
        if (c != '-') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

class SongDialogTest : public ::testing::Test, protected SimulatedJukeBox {
protected:
    FakeSongView view;
    SongDialog dialog{view, SongDialogServices{box, rows, messages, files, textCase, codePages},
                      SortedGenres(WordSortKey)};

    void SetUp() override {
        box.Init();
        for (const char* name : {"one", "two", "three"}) {
            files.files[std::string("C:\\m\\") + name + ".wav"] = std::string(300, 'a');
            box.AddByPath(std::string("C:\\m\\") + name + ".wav");
        }
        box.dirty = false;
    }
    CSong& SongAt(std::int32_t row) { return box.list.song(rows.KeyOfIndex(row)); }
    void Type(int boxIndex, const std::string& text) {
        view.texts[static_cast<std::size_t>(boxIndex)] = text;
        dialog.txt_Change(boxIndex);
    }
    void ChooseGenre(const std::string& name) {
        const auto at = std::find(view.genres.begin(), view.genres.end(), name);
        ASSERT_NE(at, view.genres.end()) << name;
        view.selection = static_cast<int>(at - view.genres.begin());
        dialog.cbo_Validate();
    }
};

TEST_F(SongDialogTest, EachModeHasItsCaptionsButtonsAndPlacementName) {
    dialog.SetMode(SongDialog::kFind);
    EXPECT_EQ(dialog.WindowName(), "Song0");
    CSong criteria;
    dialog.InitFind(criteria);
    EXPECT_EQ(view.caption, "Find Song");
    EXPECT_EQ(view.buttons[0] + view.buttons[1], "&FindFind &Next");
    EXPECT_FALSE(view.shown[SongDialog::kID3]);

    view.genres.clear();  // a new window
    dialog.SetMode(SongDialog::kInfo);
    dialog.InitInfo(2);
    EXPECT_EQ(view.genres.size(), 149u);
    EXPECT_EQ(dialog.WindowName(), "Song1");
    EXPECT_EQ(view.caption, "Song Information");
    EXPECT_EQ(view.buttons[0] + view.buttons[1], "&Save&Next Song");
    EXPECT_TRUE(view.shown[SongDialog::kID3] && view.shown[SongDialog::kPicture]);
    EXPECT_EQ(view.texts[SongDialog::kTitle], SongAt(2).songTitle);
    EXPECT_EQ(view.SelectedGenre(), "(none)");
    EXPECT_EQ(view.rowIcon, 2);

    dialog.InitBatchEdit();
    EXPECT_EQ(dialog.WindowName(), "Song2");
    EXPECT_EQ(view.caption, "Batch Edit Song Information");
    EXPECT_EQ(view.buttons[0] + view.buttons[1], "&Set SelectedSet &All");
    EXPECT_FALSE(view.shown[SongDialog::kPicture]);
    EXPECT_EQ(view.texts[SongDialog::kTitle], "");
    EXPECT_EQ(view.selection, -1);
}

TEST_F(SongDialogTest, SaveChangesTheEntryAndItsRow) {
    dialog.InitInfo(1);
    const std::string key = KeyToStr(rows.KeyOfIndex(1));
    Type(SongDialog::kTitle, "New Title");
    Type(SongDialog::kAlbum, "New Album");
    ChooseGenre("Rock");
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    EXPECT_EQ(SongAt(1).songAlbum, "New Album");
    EXPECT_EQ(SongAt(1).songGenre, 17);
    EXPECT_EQ(rows.Cell(rows.IndexOfKey(key), kTitleColumn), "New Title");
    EXPECT_TRUE(box.dirty);
    EXPECT_FALSE(dialog.SongChanged);
}

TEST_F(SongDialogTest, NextSongAsksOnceAndNoLeavesTheEntryAlone) {
    dialog.InitInfo(3);
    const CSong before = SongAt(3);
    Type(SongDialog::kTitle, "Edited");
    messages.answers.push_back(MessageBoxService::kIdNo);
    dialog.cmdSong_Click(SongDialog::kModeButton1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Save changes to song?");
    EXPECT_EQ(messages.shown[0].caption, "Save changes");
    EXPECT_EQ(messages.shown[0].owner, 77u);
    EXPECT_TRUE(SongAt(3).IsEqual(before));
    EXPECT_FALSE(box.dirty);
    // The last row wraps to the first, which the playlist selects.
    EXPECT_EQ(dialog.SongIndex, 1);
    EXPECT_EQ(rows.SelectedItem(), 1);
    EXPECT_EQ(view.texts[SongDialog::kTitle], SongAt(1).songTitle);

    Type(SongDialog::kYear, "1999");
    messages.answers.push_back(MessageBoxService::kIdYes);
    dialog.cmdSong_Click(SongDialog::kClose);
    EXPECT_EQ(SongAt(1).songYear, "1999");
    EXPECT_EQ(view.unloads, 1);
    dialog.InitInfo(2);
    dialog.cmdSong_Click(SongDialog::kClose);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(SongDialogTest, UnnamedGenreShowsAsItsNumberAndSurvivesASave) {
    SongAt(2).songGenre = 200;
    dialog.InitInfo(2);
    EXPECT_EQ(view.SelectedGenre(), "Genre 200");
    Type(SongDialog::kTitle, "Retitled");
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    EXPECT_EQ(SongAt(2).songGenre, 200);
    dialog.cmdSong_Click(SongDialog::kModeButton1);
    EXPECT_EQ(view.SelectedGenre(), "(none)");
    EXPECT_EQ(view.genres.size(), 149u);
}

TEST_F(SongDialogTest, AGenreNumberOutsideTheListIsKeptUnlessAnotherGenreIsPicked) {
    for (const std::int32_t number : {-5, 148, 254, 256, 1000}) {
        SCOPED_TRACE(number);
        SongAt(1).songGenre = number;
        dialog.InitInfo(1);
        Type(SongDialog::kTitle, "Retitled");
        dialog.cmdSong_Click(SongDialog::kModeButton0);
        EXPECT_EQ(SongAt(1).songGenre, number);
    }
    ChooseGenre("Rock");
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    EXPECT_EQ(SongAt(1).songGenre, 17);
}

TEST_F(SongDialogTest, SaveWritesTheShownSongAfterASortOrARemovalMovedIt) {
    dialog.InitInfo(3);  // the last song: a removal moves it into the freed index
    const std::string path = SongAt(3).songPath;
    rows.SetSort(kPathColumn, 1);
    ASSERT_NE(SongAt(3).songPath, path);
    Type(SongDialog::kTitle, "Sorted");
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    box.RemoveByIndex(rows.IndexOfKey(KeyToStr(0)));
    Type(SongDialog::kYear, "2001");
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    ASSERT_EQ(box.list.nSongs(), 2);
    std::int32_t edited = 0;
    for (std::int32_t i = 0; i < box.list.nSongs(); ++i) {
        const CSong& song = box.list.song(i);
        if (song.songPath != path) {
            EXPECT_NE(song.songTitle, "Sorted");
            continue;
        }
        ++edited;
        EXPECT_EQ(song.songTitle, "Sorted");
        EXPECT_EQ(song.songYear, "2001");
    }
    EXPECT_EQ(edited, 1);
}

TEST_F(SongDialogTest, SaveOfASongThatLeftTheListSaysSoAndChangesNothing) {
    dialog.InitInfo(2);
    box.RemoveByIndex(2);
    std::vector<CSong> before;
    for (std::int32_t i = 0; i < box.list.nSongs(); ++i) before.push_back(box.list.song(i));
    Type(SongDialog::kTitle, "Gone");
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "The song is no longer in the playlist; nothing was saved.");
    for (std::int32_t i = 0; i < box.list.nSongs(); ++i)
        EXPECT_TRUE(box.list.song(i).IsEqual(before[static_cast<std::size_t>(i)]));
}

TEST_F(SongDialogTest, SaveKeepsALengthLearntMeanwhileAndTheCategory) {
    dialog.InitInfo(1);
    SongAt(1).songLength = 245;
    SongAt(1).category = 3;
    Type(SongDialog::kArtist, "Someone");
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    EXPECT_EQ(SongAt(1).songArtist, "Someone");
    EXPECT_EQ(SongAt(1).songLength, 245);
    EXPECT_EQ(SongAt(1).category, 3);
}

TEST_F(SongDialogTest, BatchWithEveryBoxEmptyOnlyMarksTheAlbum) {
    std::vector<CSong> before;
    for (std::int32_t i = 0; i < box.list.nSongs(); ++i) before.push_back(box.list.song(i));
    dialog.InitBatchEdit();
    dialog.cmdSong_Click(SongDialog::kModeButton1);
    EXPECT_TRUE(box.dirty);
    for (std::int32_t i = 0; i < box.list.nSongs(); ++i)
        EXPECT_TRUE(box.list.song(i).IsEqual(before[static_cast<std::size_t>(i)]));
}

TEST_F(SongDialogTest, BatchSetsTheFilledFieldsOfSelectedOrAllRows) {
    dialog.InitBatchEdit();
    Type(SongDialog::kArtist, "Band");
    rows.SetSelectedItem(2);
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    EXPECT_EQ(SongAt(2).songArtist, "Band");
    EXPECT_EQ(SongAt(1).songArtist, "");
    EXPECT_EQ(rows.Cell(2, kArtistColumn), "Band");

    Type(SongDialog::kArtist, "");
    Type(SongDialog::kPath, "C:\\same.wav");
    ChooseGenre("(none)");
    SongAt(3).songGenre = 8;
    dialog.cmdSong_Click(SongDialog::kModeButton1);
    for (std::int32_t row = 1; row <= 3; ++row) {
        EXPECT_EQ(SongAt(row).songPath, "C:\\same.wav");
        EXPECT_EQ(rows.Cell(row, kPathColumn), "C:\\same.wav");
        EXPECT_EQ(SongAt(row).songGenre, kNoGenre);
    }
    EXPECT_EQ(SongAt(2).songArtist, "Band");
}

TEST_F(SongDialogTest, FindByGenreOnlyAndNothingWithoutCriteria) {
    SongAt(3).songGenre = 9;
    CSong criteria;
    dialog.InitFind(criteria);
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    ChooseGenre("(none)");
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(rows.SelectedItem(), 0);

    ChooseGenre("Metal");
    EXPECT_FALSE(view.enabled[SongDialog::kModeButton1]);
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    EXPECT_EQ(rows.SelectedItem(), 3);
    EXPECT_EQ(criteria.songGenre, 9);
    EXPECT_TRUE(view.enabled[SongDialog::kModeButton1]);
}

TEST_F(SongDialogTest, TypingDisablesFindNextUntilFind) {
    CSong criteria;
    criteria.songTitle = "t";
    dialog.InitFind(criteria);
    EXPECT_EQ(view.texts[SongDialog::kTitle], "t");
    EXPECT_EQ(view.selection, -1);
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    const std::int32_t first = rows.SelectedItem();
    EXPECT_EQ(box.list.song(rows.KeyOfIndex(first)).songTitle.find_first_of("tT"), 0u);
    dialog.cmdSong_Click(SongDialog::kModeButton1);
    EXPECT_GT(rows.SelectedItem(), first);

    Type(SongDialog::kTitle, "o");
    EXPECT_FALSE(view.enabled[SongDialog::kModeButton1]);
    EXPECT_EQ(criteria.songTitle, "t");  // read again only by Find
    dialog.cmdSong_Click(SongDialog::kModeButton0);
    EXPECT_TRUE(view.enabled[SongDialog::kModeButton1]);
    EXPECT_EQ(criteria.songTitle, "o");
}

TEST_F(SongDialogTest, ID3MenuWorksOnThePathBox) {
    dialog.InitInfo(1);
    Type(SongDialog::kPath, "C:\\m\\two.wav");
    Type(SongDialog::kTitle, "Tagged");
    ChooseGenre("Blues");
    dialog.mnuID3_Click(SongDialog::kSaveTag);
    TagRecord tag;
    ASSERT_TRUE(ReadTag(files, "C:\\m\\two.wav", tag));
    EXPECT_EQ(tag.title.substr(0, 7), "Tagged ");
    EXPECT_EQ(tag.genre, 0);

    dialog.InitInfo(2);
    Type(SongDialog::kPath, "C:\\m\\two.wav");
    dialog.SongChanged = false;
    dialog.mnuID3_Click(SongDialog::kReadTag);
    EXPECT_EQ(view.texts[SongDialog::kTitle], "Tagged");
    EXPECT_EQ(view.SelectedGenre(), "Blues");
    EXPECT_TRUE(dialog.SongChanged);

    dialog.mnuID3_Click(SongDialog::kDeleteTag);
    EXPECT_FALSE(ReadTag(files, "C:\\m\\two.wav", tag));
    EXPECT_TRUE(messages.shown.empty());

    files.unwritable.insert("C:\\m\\two.wav");
    dialog.mnuID3_Click(SongDialog::kSaveTag);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Save ID3 Tag");
    EXPECT_EQ(files.files["C:\\m\\two.wav"], std::string(300, 'a'));
}

TEST(GenreList, NoneFirstThenEveryNameInWordSortOrder) {
    const auto genres = SortedGenres(WordSortKey);
    ASSERT_EQ(genres.size(), 149u);
    EXPECT_EQ(genres[0].name, "(none)");
    EXPECT_EQ(genres[0].number, 255);
    const auto at = [&](const std::string& name) {
        return std::find_if(genres.begin(), genres.end(),
                            [&](const GenreEntry& g) { return g.name == name; }) -
               genres.begin();
    };
    EXPECT_LT(at("Eurodance"), at("Euro-House"));
    EXPECT_LT(at("Pop/Funk"), at("Pop-Folk"));
    EXPECT_EQ(genres[static_cast<std::size_t>(at("Blues"))].number, 0);
    EXPECT_EQ(genres[static_cast<std::size_t>(at("Synthpop"))].number, 147);
    std::vector<int> seen(148, 0);
    for (std::size_t i = 1; i < genres.size(); ++i)
        ++seen[static_cast<std::size_t>(genres[i].number)];
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 148);
}

}  // namespace
}  // namespace brambletune
