"""Brambletune.exe under Wine: the song dialog edits one song and tags a file,
sets a field of every song in batch, and finds a song by a wildcard."""
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
