"""Brambletune.exe under Wine: the lyrics window shows a song's lyrics file,
saves an edit to disk, and asks before another song replaces unsaved edits."""
import os
import unittest
import wave

from brambletune_case import SAVE_QUESTION, BrambletuneCase
from testbed import wait_until, wine_path

WM_CLOSE = 0x10
WM_COMMAND = 0x111
EXIT, SONG_NEXT, SONG_SHOW_LYRICS = 1016, 1105, 1109
IDOK = 1
IDC_LYRICS_TEXT = 3101
IDC_AUTO_OPEN = 3102
FIRST_WORDS = "First verse\r\nof the first song\r\n"
FIRST_CAPTION = "^Lyrics - Concert A - Brambletune - Demo Album$"
QUESTION = "^Lyrics Changed$"
SONG_SECONDS = 600


class BrambletuneLyrics(BrambletuneCase):
    def setUp(self):
        super().setUp()
        self.folder = self.tmp
        self.first = os.path.join(self.folder, "Concert A.txt")
        with open(self.first, "w", encoding="latin-1", newline="") as f:
            f.write(FIRST_WORDS)
        with open(os.path.join(self.folder, "Middle C.txt"), "w", newline="") as f:
            f.write("Second song\r\n")
        self.album = self.lyrics_album()

    def lyrics_album(self):
        """Two long quiet songs whose lyrics files sit beside them: no song ends while
        a test runs, so only the test's own commands change the song."""
        lines = ['"Brambl27",0', "2,0,#FALSE#"]
        for title in ("Concert A", "Middle C"):
            song = os.path.join(self.folder, title + ".wav")
            with wave.open(song, "wb") as w:
                w.setnchannels(1)
                w.setsampwidth(1)
                w.setframerate(8000)
                w.writeframes(b"\x80" * 8000 * SONG_SECONDS)
            lines += [title, wine_path(song), "Brambletune", "Demo Album",
                      wine_path(os.path.join(self.folder, title + ".txt")), "", f'255,{SONG_SECONDS},"",0,0']
        path = os.path.join(self.folder, "Lyrics.alb")
        with open(path, "w", encoding="latin-1", newline="") as f:
            f.write("\r\n".join(lines) + "\r\n")
        return wine_path(path)

    def console_command(self, command):
        self.assertTrue(self.poke("post", "frmConsole", str(WM_COMMAND), str(command), "0"))

    def open_lyrics_of_first_song(self):
        """Starts the album and opens the lyrics of its first song."""
        program = self.start("Brambletune.exe", self.album)
        self.wait_window(r"^Concert A - .* - Lyrics\.alb - Brambletune$", 60)
        self.console_command(SONG_SHOW_LYRICS)
        window = self.wait_window(FIRST_CAPTION)
        self.assertTrue(wait_until(lambda: self.lyrics_text() == FIRST_WORDS, 20),
                        f"the window shows {self.lyrics_text()!r}")
        return program, window

    def lyrics_text(self):
        text = self.poke_output("text", "frmLyrics", str(IDC_LYRICS_TEXT))
        # WindowPoke prints through a text-mode stdout, which writes each LF as CR LF.
        return text.replace("\r\n", "\n") if text is not None else None

    def type_at_end(self, window, text):
        self.press(window, "ctrl+End")
        self.type_text(text)
        self.assertTrue(wait_until(lambda: self.lyrics_text() == FIRST_WORDS + text, 20),
                        f"typing gave {self.lyrics_text()!r}")

    def finish(self, program):
        """Waits for the program to end, declining to save the album if it asks."""
        wait_until(lambda: program.poll() is not None or self.visible_windows(SAVE_QUESTION), 30)
        if program.poll() is None:
            self.press(self.wait_window(SAVE_QUESTION), "n")
        self.assertEqual(program.wait(30), 0)

    def saved_words(self):
        with open(self.first, encoding="latin-1", newline="") as f:
            return f.read()

    def test_an_edit_is_saved_and_the_next_songs_lyrics_open_by_themselves(self):
        program, window = self.open_lyrics_of_first_song()
        self.type_at_end(window, "added line")
        self.assertTrue(self.poke("click", "frmLyrics", str(IDC_AUTO_OPEN)))
        self.assertTrue(wait_until(lambda: self.poke("checked", "frmLyrics", str(IDC_AUTO_OPEN)), 10))
        self.assertTrue(self.poke("click", "frmLyrics", str(IDOK)))
        box = self.wait_window(QUESTION)
        self.screenshot("brambletune-lyrics-save-question")
        self.press(box, "y")
        self.assertTrue(wait_until(lambda: not self.visible_windows(FIRST_CAPTION), 20))
        self.assertEqual(self.saved_words(), FIRST_WORDS + "added line")
        self.assertFalse(os.path.exists(self.first + ".new"))
        self.assertIn("LyricsWidth", self.settings("Window"))
        # The box just ticked set the automatic opening: the next song brings the window back.
        self.console_command(SONG_NEXT)
        self.wait_window("^Lyrics - Middle C - Brambletune - Demo Album$")
        self.assertTrue(wait_until(lambda: self.lyrics_text() == "Second song\r\n", 20))
        self.screenshot("brambletune-lyrics-opened-by-itself")
        self.console_command(EXIT)
        self.finish(program)

    def test_the_next_song_asks_first_and_cancel_keeps_the_edits(self):
        program, window = self.open_lyrics_of_first_song()
        self.type_at_end(window, "unsaved")
        self.console_command(SONG_NEXT)
        box = self.wait_window(QUESTION)
        self.screenshot("brambletune-lyrics-switch-question")
        self.press(box, "Escape")
        self.assertTrue(wait_until(lambda: not self.visible_windows(QUESTION), 20))
        self.assertTrue(self.visible_windows(FIRST_CAPTION), "the caption changed")
        self.assertTrue(self.visible_windows(r"^Middle C - "), "the next song did not start")
        self.assertEqual(self.lyrics_text(), FIRST_WORDS + "unsaved")
        self.assertEqual(self.saved_words(), FIRST_WORDS)
        # Closing the console asks again; No leaves the file alone.
        self.assertTrue(self.poke("post", "frmConsole", str(WM_CLOSE), "0", "0"))
        self.press(self.wait_window(QUESTION), "n")
        self.finish(program)
        self.assertEqual(self.saved_words(), FIRST_WORDS)


if __name__ == "__main__":
    unittest.main(verbosity=2)
