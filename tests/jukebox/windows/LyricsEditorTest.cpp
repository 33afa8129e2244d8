// The lyrics window's rules over files and message boxes held in memory.
#include "jukebox/windows/LyricsEditor.h"

#include <gtest/gtest.h>

#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/model/CSong.h"

namespace brambletune {
namespace {

using Box = MessageBoxService;

class FakeLyricsText : public LyricsText {
public:
    std::string text, caption;
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void SetCaption(const std::string& c) override { caption = c; }
    std::uintptr_t Handle() const override { return 77; }
};

CSong Song(const std::string& title, const std::string& lyrics) {
    CSong song;
    song.songTitle = title;
    song.songArtist = "Band";
    song.songAlbum = "Album";
    song.songLyrics = lyrics;
    return song;
}

class LyricsEditorTest : public ::testing::Test {
protected:
    FakeLyricsText view;
    testing::MemoryFileSystem files;
    testing::RecordingMessageBox messages;
    testing::Latin1CodePages pages;
    LyricsEditor editor{view, files, messages, pages};

    void ShowAndEdit(const CSong& song, const std::string& typed) {
        ASSERT_TRUE(editor.ShowLyrics(song));
        view.text = typed;
        editor.TextEdited();
    }
};

TEST_F(LyricsEditorTest, ShowsTheSongsFileOrSaysItWasNotFound) {
    files.files["C:\\one.txt"] = "line 1\r\nline 2";
    EXPECT_TRUE(editor.ShowLyrics(Song("One", "C:\\one.txt")));
    EXPECT_EQ(view.text, "line 1\r\nline 2");
    EXPECT_EQ(view.caption, "Lyrics - One - Band - Album");
    EXPECT_FALSE(editor.LyricsChanged());
    CSong bare = Song("Solo", "C:\\missing.txt");
    bare.songArtist = bare.songAlbum = "";
    editor.ShowLyrics(bare);
    EXPECT_EQ(view.text, "Lyrics file was not found");
    EXPECT_EQ(view.caption, "Lyrics - Solo -  - ");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LyricsEditorTest, LegacyFilesAreConvertedAndEveryFileIsSavedInUtf8) {
    files.files["C:\\old.txt"] = "Caf\xE9";
    ASSERT_TRUE(editor.ShowLyrics(Song("Old", "C:\\old.txt")));
    EXPECT_EQ(view.text, "Caf\xC3\xA9");
    view.text = "Caf\xC3\xA9 au lait";
    editor.TextEdited();
    EXPECT_TRUE(editor.SaveLyricsFile());
    EXPECT_EQ(files.files["C:\\old.txt"], "Caf\xC3\xA9 au lait");
    files.files["C:\\bom.txt"] =
        "\xEF\xBB\xBF"
        "Caf\xC3\xA9";
    ASSERT_TRUE(editor.ShowLyrics(Song("Bom", "C:\\bom.txt")));
    EXPECT_EQ(view.text, "Caf\xC3\xA9");
}

TEST_F(LyricsEditorTest, SwitchingSongsWithEditsAsksAndCancelKeepsTheOldSong) {
    files.files["C:\\one.txt"] = "old words";
    files.files["C:\\two.txt"] = "second song";
    ShowAndEdit(Song("One", "C:\\one.txt"), "new words");
    messages.answers = {Box::kIdCancel, Box::kIdYes, Box::kIdNo};
    EXPECT_FALSE(editor.ShowLyrics(Song("Two", "C:\\two.txt")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Lyrics Changed");
    EXPECT_EQ(messages.shown[0].text, "Save changes to lyrics file?");
    EXPECT_EQ(messages.shown[0].style, Box::kYesNoCancel | Box::kIconQuestion);
    EXPECT_EQ(messages.shown[0].owner, 77u);
    EXPECT_EQ(view.text, "new words");
    EXPECT_EQ(view.caption, "Lyrics - One - Band - Album");

    EXPECT_TRUE(editor.ShowLyrics(Song("Two", "C:\\two.txt")));  // Yes
    EXPECT_EQ(files.files["C:\\one.txt"], "new words");
    EXPECT_EQ(view.text, "second song");
    ShowAndEdit(Song("Two", "C:\\two.txt"), "thrown away");
    EXPECT_TRUE(editor.ShowLyrics(Song("One", "C:\\one.txt")));  // No
    EXPECT_EQ(files.files["C:\\two.txt"], "second song");
    EXPECT_EQ(files.files.size(), 2u) << "no new file left behind";
}

TEST_F(LyricsEditorTest, FailedSaveReportsThePathAndKeepsOldFileAndEdits) {
    ShowAndEdit(Song("Nameless", ""), "typed over");
    messages.answers = {Box::kIdYes};
    EXPECT_TRUE(editor.QuerySaveLyrics()) << "the edits stay on screen";
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].caption, "Error saving lyrics");
    EXPECT_EQ(messages.shown[1].text,
              "Error saving lyrics file.  Check that the filename is correct.\r\n");
    EXPECT_EQ(messages.shown[1].style, Box::kIconError);

    files.files["C:\\one.txt"] = "old words";
    ShowAndEdit(Song("One", "C:\\one.txt"), "new words");
    files.failingWrites.insert("C:\\one.txt.new");
    EXPECT_FALSE(editor.SaveLyricsFile());
    EXPECT_EQ(files.files, (std::map<std::string, std::string>{{"C:\\one.txt", "old words"}}));
    EXPECT_EQ(messages.shown.back().text,
              "Error saving lyrics file.  Check that the filename is correct.\r\nC:\\one.txt");
    EXPECT_TRUE(editor.LyricsChanged());
}

}  // namespace
}  // namespace brambletune
