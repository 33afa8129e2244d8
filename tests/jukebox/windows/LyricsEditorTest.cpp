// The lyrics window's rules over files and message boxes held in memory.
#include "jukebox/windows/LyricsEditor.h"

#include <gtest/gtest.h>

#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/model/CSong.h"

namespace brambletune {
namespace {

using testing::MemoryFileSystem;
using testing::RecordingMessageBox;

class FakeLyricsText : public LyricsText {
public:
    std::string text;
    std::string caption = "Song Lyrics";
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
    MemoryFileSystem files;
    RecordingMessageBox messages;
    LyricsEditor editor{view, files, messages};

    // Shows the first song and types over its lyrics.
    void EditFirstSong() {
        files.files["C:\\one.txt"] = "old words";
        files.files["C:\\two.txt"] = "second song";
        ASSERT_TRUE(editor.ShowLyrics(Song("One", "C:\\one.txt")));
        view.text = "new words";
        editor.TextEdited();
    }
};

TEST_F(LyricsEditorTest, ShowsTheSongsFileOrSaysItWasNotFound) {
    files.files["C:\\one.txt"] = "line 1\r\nline 2";
    EXPECT_TRUE(editor.ShowLyrics(Song("One", "C:\\one.txt")));
    EXPECT_EQ(view.text, "line 1\r\nline 2");
    EXPECT_EQ(view.caption, "Lyrics - One - Band - Album");
    EXPECT_FALSE(editor.LyricsChanged());

    editor.ShowLyrics(Song("Two", "C:\\missing.txt"));
    EXPECT_EQ(view.text, "Lyrics file was not found");
    editor.ShowLyrics(Song("Three", ""));
    EXPECT_EQ(view.text, "Lyrics file was not found");
    EXPECT_EQ(editor.LyricsPath(), "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LyricsEditorTest, CaptionKeepsTheSeparatorsOfEmptyFields) {
    CSong song;
    song.songTitle = "Solo";
    EXPECT_EQ(LyricsEditor::Caption(song), "Lyrics - Solo -  - ");
}

TEST_F(LyricsEditorTest, SwitchingSongsWithEditsAsksAndCancelKeepsTheOldSong) {
    EditFirstSong();
    messages.answers = {MessageBoxService::kIdCancel};
    EXPECT_FALSE(editor.ShowLyrics(Song("Two", "C:\\two.txt")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Lyrics Changed");
    EXPECT_EQ(messages.shown[0].text, "Save changes to lyrics file?");
    EXPECT_EQ(messages.shown[0].style,
              MessageBoxService::kYesNoCancel | MessageBoxService::kIconQuestion);
    EXPECT_EQ(messages.shown[0].owner, 77u);
    EXPECT_EQ(view.text, "new words");
    EXPECT_EQ(view.caption, "Lyrics - One - Band - Album");
    EXPECT_EQ(editor.LyricsPath(), "C:\\one.txt");
    EXPECT_TRUE(editor.LyricsChanged());
    EXPECT_EQ(files.files["C:\\one.txt"], "old words");
}

TEST_F(LyricsEditorTest, YesSavesAndNoDiscardsBeforeTheNextSong) {
    EditFirstSong();
    messages.answers = {MessageBoxService::kIdYes};
    EXPECT_TRUE(editor.ShowLyrics(Song("Two", "C:\\two.txt")));
    EXPECT_EQ(files.files["C:\\one.txt"], "new words");
    EXPECT_EQ(view.text, "second song");

    view.text = "thrown away";
    editor.TextEdited();
    messages.answers = {MessageBoxService::kIdNo};
    EXPECT_TRUE(editor.ShowLyrics(Song("One", "C:\\one.txt")));
    EXPECT_EQ(files.files["C:\\two.txt"], "second song");
    EXPECT_EQ(view.text, "new words");
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(files.files.count("C:\\one.txt.new"), 0u);
}

TEST_F(LyricsEditorTest, EmptyPathCannotBeSavedAndTheEditsStay) {
    editor.ShowLyrics(Song("Nameless", ""));
    view.text = "typed over";
    editor.TextEdited();
    messages.answers = {MessageBoxService::kIdYes};
    EXPECT_TRUE(editor.QuerySaveLyrics()) << "a failed save keeps the edits on screen";
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].caption, "Error saving lyrics");
    EXPECT_EQ(messages.shown[1].text,
              "Error saving lyrics file.  Check that the filename is correct.\r\n");
    EXPECT_EQ(messages.shown[1].style, MessageBoxService::kIconError);
    EXPECT_TRUE(editor.LyricsChanged());
    EXPECT_EQ(files.files.count(".new"), 0u);
    EXPECT_EQ(view.text, "typed over");
}

TEST_F(LyricsEditorTest, FailedWriteOrReplaceLeavesTheOldFileAsItWas) {
    EditFirstSong();
    files.failingWrites.insert("C:\\one.txt.new");
    EXPECT_FALSE(editor.SaveLyricsFile());
    files.failingWrites.clear();
    files.failReplace = true;
    EXPECT_FALSE(editor.SaveLyricsFile());
    EXPECT_EQ(files.files["C:\\one.txt"], "old words");
    EXPECT_EQ(files.files.count("C:\\one.txt.new"), 0u);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text,
              "Error saving lyrics file.  Check that the filename is correct.\r\nC:\\one.txt");
    EXPECT_TRUE(editor.LyricsChanged());
}

}  // namespace
}  // namespace brambletune
