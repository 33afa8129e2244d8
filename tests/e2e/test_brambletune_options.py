"""Brambletune.exe under Wine: the options dialog changes the console at once,
registers the shell associations (which then open an album in the running
jukebox), and its choices reach the stored options record at exit."""
import os
import shutil
import subprocess
import unittest

from brambletune_case import EMPTY_CAPTION, KEY, BrambletuneCase
from testbed import BUILD, wait_until, wine_path

OPTIONS = "^Options$"
HKCR = "HKCR"
IDOK = 1
APPLY = 3221
OPT = 3250  # + index
CHK = 3270  # + index
TXT = 3290  # + index
CMD = 3300  # + index
EXTENSIONS = ("aif aifc aiff au avi cda mid mov mp2 mp3 mpe mpeg mpg qt ra rm rmi snd wav "
              "wma wmv").split()
RECORD_SIZE = 332


class BrambletuneOptions(BrambletuneCase):
    def setUp(self):
        super().setUp()
        for key in (".alb", ".mp3", ".mpeg", ".mpg", ".wav", "Brambletune", "Brambletune.File"):
            self.reg_delete(HKCR + "\\" + key)
        self.program_dir = os.path.join(self.tmp, "Jukebox Programs")
        os.makedirs(self.program_dir)
        shutil.copy(os.path.join(BUILD, "bin", "Brambletune.exe"), self.program_dir)
        self.program = wine_path(os.path.join(self.program_dir, "Brambletune"))

    def test_apply_changes_the_console_and_registers_the_associations(self):
        self.set_default(".mp3", "OtherPlayer.mp3")
        self.set_default(".wav", "Brambletune.File")
        album = self.demo_album()
        jukebox = self.start("Brambletune.exe", path=os.path.join(self.program_dir, "Brambletune.exe"))
        console = self.wait_window(EMPTY_CAPTION)
        size = self.geometry(console)
        dialog = self.open_options(console)

        self.click(OPT + 6)  # "Hide &playlist"
        self.choose_colour(CMD + 0, red=255, green=0, blue=0)  # background
        self.check_type(EXTENSIONS.index("mpeg"))
        self.click(CHK + 6)
        self.click(CHK + 6)  # the album box was clicked and stays checked
        self.click(APPLY)
        self.assertTrue(wait_until(lambda: self.default("Brambletune.File\\DefaultIcon"), 20),
                        "Apply wrote no associations")
        self.assertTrue(wait_until(lambda: self.geometry(console) != size, 10),
                        "the console kept its playlist")
        self.assertTrue(wait_until(lambda: self.console_pixel(console) == (255, 0, 0), 10),
                        f"the console's background is {self.console_pixel(console)}")
        self.screenshot("brambletune-options-applied")

        self.assertEqual(self.default("Brambletune\\Shell\\Open\\Command"), self.program + ".exe %1")
        self.assertEqual(self.default("Brambletune.File\\Shell\\Open\\Command"),
                         self.program + ".exe %1")
        self.assertEqual(self.default("Brambletune\\DefaultIcon"), self.program + ".exe,8")
        self.assertEqual(self.default("Brambletune.File\\DefaultIcon"), self.program + ".exe,10")
        self.assertEqual(self.default(".alb"), "Brambletune")
        self.assertEqual(self.default(".mpeg"), "Brambletune.File")
        self.assertEqual(self.default(".mp3"), "OtherPlayer.mp3")
        self.assertIsNone(self.default(".wav"), "our own unchecked type was not given up")

        self.assertTrue(self.poke("click", "#32770", str(IDOK)))
        self.assertTrue(wait_until(lambda: not self.visible_windows(OPTIONS), 10))
        opener = subprocess.Popen(["wine", "start", album], env=self.env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(opener)
        self.assertTrue(wait_until(lambda: self.visible_windows(r"\.alb - Brambletune$"), 60),
                        "the association did not open the album in the running jukebox")
        self.assertIsNone(jukebox.poll())
        self.screenshot("brambletune-options-album-opened")

        self.press(self.visible_windows(r"\.alb - Brambletune$")[0], "ctrl+q")
        self.assertEqual(jukebox.wait(30), 0)
        record = bytes.fromhex(self.settings("Options")["Options"])
        self.assertEqual(len(record), RECORD_SIZE)
        self.assertEqual(record[0:4], bytes([2, 0, 0, 0]), "DisplayState")
        self.assertEqual(record[68:72], bytes([255, 0, 0, 0]), "BackgroundColor")
        self.assertEqual(record[72:76], bytes([0, 255, 0, 0]), "TextColor")
        mpeg = 224 + 2 * EXTENSIONS.index("mpeg")
        self.assertEqual(record[mpeg:mpeg + 2], b"\xff\xff", "FileTypes mpeg")
        self.assertEqual(record[224:mpeg], bytes(mpeg - 224), "the other FileTypes")
        self.assertEqual(record[326:328], b"\xff\xff", "AssociateAlbums")

    def test_ok_without_changes_rewrites_the_classes_but_no_extension(self):
        self.set_default(".wav", "Brambletune.File")
        self.set_default("Brambletune\\DefaultIcon", "moved away,3")
        self.store_options(file_types=["mpg"])  # the dialog's load ticks it
        jukebox = self.start("Brambletune.exe", path=os.path.join(self.program_dir, "Brambletune.exe"))
        console = self.wait_window(EMPTY_CAPTION)
        self.open_options(console)
        self.screenshot("brambletune-options-opened")
        self.assertTrue(self.poke("click", "#32770", str(IDOK)))
        self.assertTrue(wait_until(lambda: not self.visible_windows(OPTIONS), 10))
        self.assertTrue(wait_until(
            lambda: self.default("Brambletune\\DefaultIcon") == self.program + ".exe,8", 20))
        self.assertEqual(self.default(".wav"), "Brambletune.File")
        self.assertIsNone(self.default(".mpg"))
        self.assertIsNone(self.default(".alb"))
        self.press(console, "ctrl+q")
        self.assertEqual(jukebox.wait(30), 0)

    # ---- helpers ----------------------------------------------------------

    def open_options(self, console):
        self.press(console, "F12")
        return self.wait_window(OPTIONS)

    def click(self, control):
        self.assertTrue(self.poke("click", "#32770", str(control)), f"no control {control}")
        self.assertTrue(self.poke("sync", "#32770"))

    def choose_colour(self, button, red, green, blue):
        self.click(button)
        chooser = self.wait_window("^Color$")
        for key, value in (("alt+r", red), ("alt+g", green), ("alt+u", blue)):
            self.press(chooser, key)
            self.keys("ctrl+a", *list(str(value)))
        self.screenshot("brambletune-options-colour")
        self.keys("Return")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Color$"), 10))

    def check_type(self, index):
        """Ticks a file type by keyboard: the Setup page, then its list."""
        dialog = self.wait_window(OPTIONS)
        self.press(dialog, "alt+c")
        self.keys("End", "Up", "Tab", "Tab", "Tab", "Home", *(["Down"] * index), "space")

    def store_options(self, file_types):
        """The default options record with the given file types ticked."""
        record = bytearray(RECORD_SIZE)
        for offset, value in ((72, 65280), (208, 3), (212, 20), (272, 8), (276, 10), (280, 4)):
            record[offset:offset + 4] = value.to_bytes(4, "little")
        for offset in (306, 308, 310, 312, 316, 320, 326, 328):
            record[offset:offset + 2] = b"\xff\xff"
        for name in file_types:
            at = 224 + 2 * EXTENSIONS.index(name)
            record[at:at + 2] = b"\xff\xff"
        self.reg_set(KEY + "\\Options", "Options", record.hex(), kind="REG_BINARY")

    def set_default(self, key, value):
        self.run_wine("reg", "add", HKCR + "\\" + key, "/ve", "/d", value, "/f")

    def default(self, key):
        """The key's default value; None when the key is missing."""
        result = self.run_wine("reg", "query", HKCR + "\\" + key, "/ve", check=False)
        if result.returncode != 0:
            return None
        for line in result.stdout.splitlines():
            parts = line.strip().split(None, 2)
            if len(parts) >= 2 and parts[1] == "REG_SZ":
                return parts[2] if len(parts) > 2 else ""
        return None

    def geometry(self, window):
        out = subprocess.run(["xdotool", "getwindowgeometry", window], env=self.env,
                             capture_output=True, text=True).stdout
        return out.split("Geometry:")[-1].strip()

    def console_pixel(self, window):
        """The colour of a clear spot of the console's panel, as (r, g, b)."""
        out = subprocess.run(["import", "-display", self.display.name, "-window", window,
                              "-crop", "1x1+180+40", "-depth", "8", "rgb:-"],
                             env=self.env, capture_output=True).stdout
        return tuple(out[:3]) if len(out) >= 3 else None


if __name__ == "__main__":
    unittest.main(verbosity=2)
