"""Brambletune.exe under Wine: an album plays and the keys drive it, the save
question at exit, the hand-over from a second start."""
import unittest

from brambletune_case import EMPTY_CAPTION, KEY, SAVE_QUESTION, BrambletuneCase
from testbed import wait_until


class BrambletuneConsole(BrambletuneCase):
    def caption_shows(self, text, timeout=30):
        return wait_until(lambda: self.visible_windows(text), timeout)

    def test_an_album_plays_keys_change_its_modes_and_exit_saves_it(self):
        album = self.demo_album()
        program = self.start("Brambletune.exe", album)
        # With automatic play on, the first song's caption names it and the album.
        playing = self.caption_shows(r"^.+ - .+ - Demo\.alb - Brambletune$")
        self.assertTrue(playing, "no song caption")
        self.screenshot("brambletune-playing")
        self.press(playing[0], "x", "v")  # Shuffle, Repeat All
        self.press(playing[0], "ctrl+q")
        box = self.wait_window(SAVE_QUESTION)
        self.screenshot("brambletune-save-question")
        self.press(box, "y")
        self.assertEqual(program.wait(30), 0)
        with open(self.unix_path(album), encoding="latin-1", newline="") as f:
            lines = f.read().split("\r\n")
        self.assertEqual(lines[1], "4,1,#TRUE#", "four songs, Shuffle, Repeat All")
        recent = self.settings("Recent Files")
        self.assertEqual(recent.get("1", "").lower(), album.lower())
        self.assertIn("Options", self.settings("Options"))
        window = self.settings("Window")
        self.assertIn("lvSongs0", window)
        self.assertIn("lvSongsSortIdx", window)

    def test_a_second_start_hands_its_file_to_the_first(self):
        album = self.demo_album()  # a path with a space: the shell quotes it
        first = self.start("Brambletune.exe")
        self.wait_window(EMPTY_CAPTION)
        quiet = self.start("Brambletune.exe")
        self.assertEqual(quiet.wait(30), 0)
        self.assertEqual(len(self.visible_windows(EMPTY_CAPTION)), 1)
        second = self.start("Brambletune.exe", album)
        self.assertEqual(second.wait(60), 0)
        self.assertTrue(self.caption_shows(r"\.alb - Brambletune$"), "the first start did not open the album")
        self.assertIsNone(first.poll())
        handed = self.reg_values(KEY)["Instances"][1]
        self.assertEqual(handed.lower(), album.lower())
        self.screenshot("brambletune-handed-over")

    # ---- helpers ----------------------------------------------------------

    @staticmethod
    def unix_path(windows_path):
        return windows_path[2:].replace("\\", "/")


if __name__ == "__main__":
    unittest.main(verbosity=2)
