"""Brambletune.exe under Wine: the song dialog edits one song and tags a file,
sets a field of every song in batch, finds a song by a wildcard, and shows the
ID3v2 tag of a file that has no other."""
import os
import shutil
import unittest

from brambletune_case import SAVE_QUESTION, BrambletuneCase
from testbed import wait_until, wine_path

TITLE_BOX = "3010"  # the dialog's "&Title" box
GENRE_LIST = "3020"


class BrambletuneSong(BrambletuneCase):
    def open_album(self):
        """Starts the program on a demo album and stops its automatic play."""
        self.album = self.demo_album()
        self.program = self.start("Brambletune.exe", self.album)
        playing = wait_until(lambda: self.visible_windows(r"^.+ - .+ - Demo\.alb - Brambletune$"),
                             30)
        self.assertTrue(playing, "the album did not start")
        self.console = playing[0]
        self.press(self.console, "d")  # Stop: the first row stays selected

    def song_title_shown(self):
        """Opens the information dialog on the selected row; the title it shows."""
        self.press(self.console, "ctrl+i")
        dialog = self.wait_window("^Song Information$")
        title = wait_until(lambda: self.poke_output("text", "=Song Information", TITLE_BOX), 10)
        # The demo songs have no genre; each new window fills its genre list.
        self.assertEqual(self.poke_output("text", "=Song Information", GENRE_LIST), "(none)")
        self.press(dialog, "Escape")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Song Information$"), 10))
        return title

    def exit_saving(self):
        self.press(self.console, "ctrl+q")
        self.press(self.wait_window(SAVE_QUESTION), "y")
        self.assertEqual(self.program.wait(30), 0)
        with open(self.album[2:].replace("\\", "/"), encoding="latin-1", newline="") as f:
            return f.read()

    def check_id3_menu(self):
        """The ID3 menu tags the file named in the path box, then removes the tag; the
        edited path is not saved into the song."""
        folder = os.path.join(self.tmp, "demo album")
        tone = sorted(name for name in os.listdir(folder) if name.endswith(".wav"))[0]
        free = os.path.join(self.tmp, "free.wav")
        shutil.copy(os.path.join(folder, tone), free)

        def contents():
            with open(free, "rb") as f:
                return f.read()
        untagged = contents()
        self.press(self.console, "ctrl+i")
        dialog = self.wait_window("^Song Information$")
        self.keys("alt+p")
        self.type_text(wine_path(free))
        self.keys("alt+i", "s")  # "&Save ID3 Tag"
        self.assertTrue(wait_until(lambda: contents()[-128:-116] == b"TAGE2E Title", 10))
        self.assertEqual(len(contents()), len(untagged) + 128)
        self.keys("alt+i", "d")  # "&Delete ID3 Tag"
        self.assertTrue(wait_until(lambda: contents() == untagged, 10))
        self.press(dialog, "Escape")
        self.press(self.wait_window("^Save changes$"), "n")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Song Information$"), 10))

    def test_information_saves_the_edited_song(self):
        self.open_album()
        self.press(self.console, "alt+s")
        self.keys("i")  # Song > Information
        self.wait_window("^Song Information$")
        self.type_text("E2E Title")  # the title box has the focus, its text selected
        self.keys("Tab", "Tab", "Tab")
        self.type_text("E2E Album")
        self.screenshot("brambletune-song-information")
        self.keys("Return")  # "&Save", the default button
        self.keys("Escape")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Song Information$"), 10))
        self.assertEqual(self.song_title_shown(), "E2E Title")
        self.check_id3_menu()
        window = self.settings("Window")
        self.assertIn("Song1Width", window)
        album = self.exit_saving()
        self.assertIn("E2E Title", album)
        self.assertIn("E2E Album", album)
        self.assertNotIn("free.wav", album)

    def test_batch_edit_sets_the_artist_of_every_song(self):
        self.open_album()
        self.press(self.console, "ctrl+b")
        self.wait_window("^Batch Edit Song Information$")
        self.keys("Tab", "Tab")
        self.type_text("Batch Artist")
        self.screenshot("brambletune-song-batch")
        self.keys("alt+a")  # "Set &All"
        self.keys("Escape")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Batch Edit"), 10))
        album = self.exit_saving()
        self.assertEqual(album.count("Batch Artist"), 4)

    def test_a_file_tagged_only_with_id3v2_shows_its_title(self):
        from mutagen.id3 import ID3, TCON, TIT2, TPE1
        path = os.path.join(self.tmp, "guessed name.mp3")
        with open(path, "wb") as f:
            f.write(bytes(4096))  # no MPEG frames: the file is only read for its tag
        tag = ID3()
        tag.add(TIT2(encoding=1, text="Tagged In Version Two"))  # UTF-16
        tag.add(TPE1(encoding=3, text="Some Artist"))  # UTF-8
        tag.add(TCON(encoding=0, text="(17)"))
        tag.save(path, v2_version=4)
        self.program = self.start("Brambletune.exe", wine_path(path))
        # Without an MPEG player under Wine the song fails to play; either way it is in the list.
        shown = wait_until(lambda: self.visible_windows("^Error playing file$") or
                           self.visible_windows(r"^Tagged In Version Two - Some Artist - "), 30)
        self.assertTrue(shown, "the song was neither played nor reported")
        self.screenshot("brambletune-id3v2-added")
        if self.visible_windows("^Error playing file$"):
            self.press(shown[0], "Escape")  # Cancel: stop
        self.console = self.wait_window("Brambletune$")
        self.press(self.console, "ctrl+i")
        dialog = self.wait_window("^Song Information$")
        title = wait_until(lambda: self.poke_output("text", "=Song Information", TITLE_BOX), 10)
        self.assertEqual(title, "Tagged In Version Two")
        self.assertEqual(self.poke_output("text", "=Song Information", GENRE_LIST), "Rock")
        self.screenshot("brambletune-id3v2-title")
        self.press(dialog, "Escape")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Song Information$"), 10))
        self.press(self.console, "ctrl+q")
        self.press(self.wait_window(SAVE_QUESTION), "n")
        self.assertEqual(self.program.wait(30), 0)

    def test_find_selects_the_row_matching_a_wildcard(self):
        self.open_album()
        self.press(self.console, "ctrl+f")
        self.wait_window("^Find Song$")
        self.type_text("h?gh")
        self.keys("Return")  # "&Find"
        self.screenshot("brambletune-song-find")
        self.keys("Escape")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Find Song$"), 10))
        self.assertEqual(self.song_title_shown(), "High E")
        self.press(self.console, "ctrl+q")
        self.press(self.wait_window(SAVE_QUESTION), "n")
        self.assertEqual(self.program.wait(30), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
