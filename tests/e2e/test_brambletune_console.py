"""Brambletune.exe under Wine: an album plays and the keys drive it, media keys
too (in the console and while it is hidden in the tray), the save question at
exit, the hand-over from a second start."""
import os
import subprocess
import unittest
import wave

from brambletune_case import EMPTY_CAPTION, KEY, SAVE_QUESTION, BrambletuneCase
from testbed import wait_until

WM_LBUTTONDBLCLK = 0x203
WM_LBUTTONUP = 0x202
TRAY_CALLBACK = 0x401
PANEL_SPOT = (40 << 16) | 180  # y 40, x 180: between the labels and the buttons
SONG_CAPTION = r"^.+ - .+ - Demo\.alb - Brambletune$"


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

    def test_the_next_media_key_moves_to_the_next_song_shown_or_hidden(self):
        album = self.demo_album()
        self.lengthen_demo_tones()
        program = self.start("Brambletune.exe", album)
        console = self.wait_window(SONG_CAPTION)
        # The songs play in the order of the list, sorted by title.
        self.assertTrue(wait_until(lambda: self.song_title(console) == "Concert A", 15))
        # Exactly the next song: a key run twice would pass on to the one after.
        following = "High E"
        self.press(console, "XF86AudioNext")
        self.assertTrue(wait_until(lambda: self.song_title(console) == following, 15),
                        f"after the media key: {self.song_title(console)!r}, not {following!r}")
        self.screenshot("brambletune-media-key-next")
        # Hidden in the tray, with another program in front, the key reaches the
        # console as its hot key.
        tray_left_click = ("post", "frmConsole", str(TRAY_CALLBACK), "0", str(WM_LBUTTONUP))
        self.assertTrue(self.poke(*tray_left_click))
        self.assertTrue(wait_until(lambda: not self.visible_windows(SONG_CAPTION), 10))
        self.start("notepad.exe", path="notepad.exe")
        self.press(self.wait_window("Notepad$"), "XF86AudioNext")
        self.assertTrue(self.poke(*tray_left_click))
        following = "Low G"
        console = self.wait_window(SONG_CAPTION)
        self.assertTrue(wait_until(lambda: self.song_title(console) == following, 15),
                        f"after the media key in hiding: {self.song_title(console)!r}, "
                        f"not {following!r}")
        self.press(console, "ctrl+q")
        self.press(self.wait_window(SAVE_QUESTION), "n")
        self.assertEqual(program.wait(30), 0)

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

    def test_a_missing_album_is_reported_and_the_console_stays_usable(self):
        program = self.start("Brambletune.exe", r"C:\no such\album.alb")
        box = self.wait_window("^File not found$")
        self.screenshot("brambletune-missing-album")
        self.press(box, "Return")
        console = self.wait_window(EMPTY_CAPTION)
        self.press(console, "ctrl+q")
        self.assertEqual(program.wait(30), 0)

    def test_double_clicks_cycle_the_display_states(self):
        program = self.start("Brambletune.exe")
        console = self.wait_window(EMPTY_CAPTION)
        sizes = [self.geometry(console)]
        self.screenshot("brambletune-state-0")
        for state in (1, 2, 3):
            self.assertTrue(self.poke("post", "frmConsole", str(WM_LBUTTONDBLCLK), "0",
                                      str(PANEL_SPOT)))
            if state > 1:  # without the playlist the window shrinks to its panel
                self.assertTrue(wait_until(lambda: self.geometry(console) != sizes[-1], 10),
                                f"state {state} kept the size {sizes[-1]}")
            sizes.append(self.geometry(console))
            self.screenshot(f"brambletune-state-{state}")
        self.press(console, "ctrl+q")
        self.assertEqual(program.wait(30), 0)
        options = self.settings("Options")["Options"]
        self.assertEqual(len(options), 2 * 332)
        self.assertEqual(options[:8], "03000000", "the display state opens the record")

    def test_tray_clicks_hide_and_bring_back_the_console(self):
        program = self.start("Brambletune.exe")
        self.wait_window(EMPTY_CAPTION)
        tray_left_click = ("post", "frmConsole", str(TRAY_CALLBACK), "0", str(WM_LBUTTONUP))
        self.assertTrue(self.poke(*tray_left_click))
        self.assertTrue(wait_until(lambda: not self.visible_windows(EMPTY_CAPTION), 10),
                        "a tray click did not hide the console")
        self.assertTrue(self.poke(*tray_left_click))
        console = self.wait_window(EMPTY_CAPTION)
        self.press(console, "ctrl+q")
        self.assertEqual(program.wait(30), 0)

    # ---- helpers ----------------------------------------------------------

    def lengthen_demo_tones(self):
        """The demo album's tones as five minutes of silence each, so that no song
        ends while a test waits on it (Wine plays them faster than real time)."""
        folder = os.path.join(self.tmp, "demo album")
        for name in os.listdir(folder):
            if name.endswith(".wav"):
                with wave.open(os.path.join(folder, name), "wb") as tone:
                    tone.setparams((1, 1, 8000, 0, "NONE", "not compressed"))
                    tone.writeframes(b"\x80" * 8000 * 300)

    def song_title(self, window):
        caption = subprocess.run(["xdotool", "getwindowname", window], env=self.env,
                                 capture_output=True, text=True).stdout.strip()
        return caption.split(" - ")[0]

    def geometry(self, window):
        out = subprocess.run(["xdotool", "getwindowgeometry", window], env=self.env,
                             capture_output=True, text=True).stdout
        return out.split("Geometry:")[-1].strip()

    @staticmethod
    def unix_path(windows_path):
        return windows_path[2:].replace("\\", "/")


if __name__ == "__main__":
    unittest.main(verbosity=2)
