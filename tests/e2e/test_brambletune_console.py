"""Brambletune.exe under Wine: an album plays and the keys drive it, media keys
too (in the console and while it is hidden in the tray), the save question at
exit (a cancelled save keeps the program), the end of a session, the hand-over
from a second start, file names in any script, legacy albums, imported
playlists."""
import os
import shutil
import subprocess
import unittest
import wave

from brambletune_case import EMPTY_CAPTION, KEY, SAVE_QUESTION, BrambletuneCase
from testbed import wait_until, wine_path

SAVE_AS = "^Save album as$"

WM_LBUTTONDBLCLK = 0x203
WM_LBUTTONUP = 0x202
TRAY_CALLBACK = 0x401
PANEL_SPOT = (40 << 16) | 180  # y 40, x 180: between the labels and the buttons
JAPANESE = "\u66f2\u540d"  # "song title"; no Western code page holds it
# Wine names Unix files through the locale's character set: UTF-8 keeps every name.
UTF8_LOCALE = {"LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"}
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

    def start_with_a_new_album(self):
        """The console with one song added from the command line by a relative path:
        an album never saved. Returns the program, its window and the song's full path."""
        folder = self.unix_path(self.demo_album()).rsplit("/", 1)[0]
        tone = os.path.join(folder, sorted(n for n in os.listdir(folder) if n.endswith(".wav"))[0])
        program = self.start("Brambletune.exe", os.path.relpath(tone).replace("/", "\\"))
        console = self.caption_shows(r"^.+ - Brambletune$")
        self.assertTrue(console, "the song did not start")
        return program, console[0], wine_path(tone)

    def test_a_cancelled_save_at_exit_keeps_the_program_and_its_songs(self):
        program, console, song = self.start_with_a_new_album()
        self.press(console, "ctrl+q")
        self.press(self.wait_window(SAVE_QUESTION), "y")
        self.press(self.wait_window(SAVE_AS), "Escape")
        self.screenshot("brambletune-save-cancelled")
        # Still running, the album still changed: Exit asks again, and this save keeps the song.
        self.press(self.wait_window(r"^.+ - Brambletune$"), "ctrl+q")
        self.press(self.wait_window(SAVE_QUESTION), "y")
        self.press(self.wait_window(SAVE_AS), "alt+n")  # "File name"
        kept = os.path.join(self.tmp, "kept.alb")
        self.type_text(wine_path(kept))
        self.keys("Return")
        self.assertEqual(program.wait(30), 0)
        with open(kept, encoding="latin-1", newline="") as f:
            lines = f.read().split("\r\n")
        self.assertEqual(lines[1].split(",")[0], "1", "one song saved")
        self.assertEqual(lines[3].lower(), song.lower(), "the song's path made absolute")

    def end_session(self):
        return subprocess.Popen(["wineboot", "--end-session"], env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def test_the_end_of_a_session_asks_to_save_and_runs_the_unload(self):
        program, _, _ = self.start_with_a_new_album()
        # Cancel in the save dialog keeps the session from ending.
        ending = self.end_session()
        self.press(self.wait_window(SAVE_QUESTION), "y")
        self.press(self.wait_window(SAVE_AS), "Escape")
        self.screenshot("brambletune-session-end-cancelled")
        self.assertNotEqual(ending.wait(60), 0)
        self.assertIsNone(program.poll())
        ending = self.end_session()
        self.press(self.wait_window(SAVE_QUESTION), "y")
        self.press(self.wait_window(SAVE_AS), "alt+n")
        kept = os.path.join(self.tmp, "kept.alb")
        self.type_text(wine_path(kept))
        self.keys("Return")
        self.assertEqual(ending.wait(60), 0)
        self.assertTrue(wait_until(lambda: program.poll() is not None, 30))
        self.assertTrue(os.path.exists(kept))
        recent = self.settings("Recent Files")
        self.assertEqual(recent.get("1", "").lower(), wine_path(kept).lower())
        self.assertIn("Options", self.settings("Options"))
        self.assertIn("lvSongs0", self.settings("Window"))

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

    def test_a_missing_album_is_reported_and_a_file_handed_over_meanwhile_plays_after(self):
        album = self.demo_album()
        program = self.start("Brambletune.exe", r"C:\no such\album.alb")
        box = self.wait_window("^File not found$")
        self.screenshot("brambletune-missing-album")
        # The first start is still in its start-up, waiting for the box.
        second = self.start("Brambletune.exe", album)
        self.assertEqual(second.wait(60), 0)
        self.assertEqual(self.visible_windows(r"\.alb - Brambletune$"), [])
        self.press(box, "Return")
        playing = self.caption_shows(r"^.+ - .+ - Demo\.alb - Brambletune$")
        self.assertTrue(playing, "the handed-over album did not play")
        self.assertIsNone(program.poll())
        self.press(playing[0], "ctrl+q")
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

    def test_playlists_import_and_a_japanese_name_survives_its_album(self):
        tones = os.path.dirname(self.unix_path(self.demo_album()))
        wavs = sorted(name for name in os.listdir(tones) if name.endswith(".wav"))
        shutil.copy(os.path.join(tones, wavs[0]), os.path.join(tones, JAPANESE + ".wav"))
        with open(os.path.join(tones, "list.m3u8"), "wb") as f:
            f.write(("\ufeff#EXTM3U\r\n#EXTINF:3,x\r\n" + JAPANESE + ".wav\r\n").encode("utf-8"))
        with open(os.path.join(tones, "list.pls"), "wb") as f:
            f.write(f"[playlist]\r\nFile7={wavs[2]}\r\nFile3={wavs[1]}\r\n".encode("ascii"))
        program = self.start("Brambletune.exe", extra_env=UTF8_LOCALE)
        console = self.wait_window(EMPTY_CAPTION)
        for playlist in ("list.m3u8", "list.pls"):
            self.choose_file(console, "ctrl+m", "^Import playlist$",
                             wine_path(os.path.join(tones, playlist)))
        album = wine_path(os.path.join(tones, "mix.alb"))
        self.choose_file(console, "ctrl+s", "^Save album as$", album)
        self.assertTrue(self.caption_shows(r"mix\.alb - Brambletune$"), "the album was not saved")
        self.screenshot("brambletune-japanese-name")
        with open(self.unix_path(album), "rb") as f:
            lines = f.read().split(b"\r\n")
        self.assertEqual(lines[1], b"3,0,#FALSE#", "one song from the M3U8, two from the PLS")
        self.assertIn(("\\" + JAPANESE + ".wav").encode("utf-8"), lines[3], "saved in UTF-8")
        self.assertTrue(lines[10].endswith(wavs[1].encode()), "PLS entries in number order")
        self.assertTrue(lines[17].endswith(wavs[2].encode()))
        self.close_console(console, program)

        # Opening plays the album's first song: the one the M3U8 named.
        program = self.start("Brambletune.exe", album, extra_env=UTF8_LOCALE)
        self.assertTrue(self.caption_shows("^" + JAPANESE + r" - .* - mix\.alb - Brambletune$"),
                        "the reopened album did not play the song named in Japanese")
        self.close_console(self.visible_windows(r"mix\.alb - Brambletune$")[0], program)

    def test_an_album_written_in_the_legacy_code_page_opens_and_plays(self):
        tones = os.path.dirname(self.unix_path(self.demo_album()))
        wav = sorted(name for name in os.listdir(tones) if name.endswith(".wav"))[0]
        shutil.copy(os.path.join(tones, wav), os.path.join(tones, "Caf\u00e9.wav"))
        path = wine_path(os.path.join(tones, "Caf\u00e9.wav"))
        album = os.path.join(tones, "legacy.alb")
        with open(album, "wb") as f:
            f.write(f'"Brambl27",0\r\n1,0,#FALSE#\r\nCaf\u00e9 cr\u00e8me\r\n{path}\r\n'
                    f'Gar\u00e7on\r\n\r\n\r\n\r\n255,3,"",0,0\r\n'.encode("cp1252"))
        program = self.start("Brambletune.exe", wine_path(album), extra_env=UTF8_LOCALE)
        playing = self.caption_shows("^Caf\u00e9 cr\u00e8me - Gar\u00e7on - .* - legacy\\.alb - Brambletune$")
        self.assertTrue(playing, "the legacy album did not play its accented song")
        self.screenshot("brambletune-legacy-album")
        self.close_console(playing[0], program)

    # ---- helpers ----------------------------------------------------------

    def choose_file(self, console, keys, caption, path):
        self.press(console, keys)
        dialog = self.wait_window(caption)
        subprocess.run(["xdotool", "windowfocus", "--sync", dialog], env=self.env)
        self.keys("ctrl+a")
        self.type_text(path)
        self.keys("Return")
        self.assertTrue(wait_until(lambda: not self.visible_windows(caption), 20),
                        f"{caption} stayed open")

    def close_console(self, console, program):
        self.press(console, "ctrl+q")
        box = wait_until(lambda: self.visible_windows(SAVE_QUESTION), 5)
        if box:
            self.press(box[0], "n")
        self.assertEqual(program.wait(30), 0)

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
