"""Brambletune.exe under Wine: the volume pop-up at the console's volume area,
the tips window and the about window."""
import subprocess
import unittest

from brambletune_case import EMPTY_CAPTION, BrambletuneCase
from testbed import wait_until

WM_LBUTTONDOWN = 0x201
WM_LBUTTONUP = 0x202
VOLUME_AREA = (45 << 16) | 155  # y 45, x 155: inside the volume label at 96 dots per inch
PLAYLIST_SPOT = ("300", "250")  # x, y in the console window
IDC_TIPS_TEXT = "3411"
IDC_ABOUT_VERSION = "3421"


class BrambletuneWindows(BrambletuneCase):
    def open_console(self):
        program = self.start("Brambletune.exe")
        return program, self.wait_window(EMPTY_CAPTION)

    def close_console(self, program, console):
        self.press(console, "ctrl+q")
        self.assertEqual(program.wait(30), 0)

    def volume_shown(self):
        return self.poke("visible", "frmVolume")

    def click_volume_area(self):
        # The press starts the drag-anywhere move loop; the release ends it.
        for message in (WM_LBUTTONDOWN, WM_LBUTTONUP):
            self.assertTrue(self.poke("post", "frmConsole", str(message), "1", str(VOLUME_AREA)))
        self.assertTrue(wait_until(self.volume_shown, 20), "no volume pop-up")

    def test_the_volume_pop_up_opens_at_the_volume_area_and_goes_away_again(self):
        program, console = self.open_console()
        self.click_volume_area()
        self.screenshot("brambletune-volume")
        # A click beside the slider closes the pop-up.
        self.assertTrue(self.poke("post", "frmVolume", str(WM_LBUTTONDOWN), "1", "65537"))
        self.assertTrue(wait_until(lambda: not self.volume_shown(), 20), "the click left it open")
        # So does a click on the playlist: the slider loses the focus.
        self.click_volume_area()
        subprocess.run(["xdotool", "mousemove", "--window", console, *PLAYLIST_SPOT, "click", "1"],
                       env=self.env)
        self.assertTrue(wait_until(lambda: not self.volume_shown(), 20), "the pop-up stayed")
        self.assertEqual(self.visible_windows("^Brambletune$"), [console], "a message appeared")
        self.close_console(program, console)

    def test_tips_open_with_a_hint_and_keep_their_place_and_about_shows_the_version(self):
        program, console = self.open_console()
        self.press(console, "ctrl+t")
        tips = self.wait_window("^Useful Tips & Hints$")
        self.assertTrue(self.poke_output("text", "frmTips", IDC_TIPS_TEXT), "no hint shown")
        self.screenshot("brambletune-tips")
        self.press(tips, "alt+n")
        self.assertTrue(self.poke_output("text", "frmTips", IDC_TIPS_TEXT))
        self.press(tips, "Return")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Useful Tips & Hints$"), 20))
        window = self.settings("Window")
        for value in ("TipsLeft", "TipsTop", "TipsWidth", "TipsHeight", "TipsState"):
            self.assertIn(value, window)

        self.press(console, "F1")
        about = self.wait_window("^About$")
        self.assertEqual(self.poke_output("text", "frmAbout", IDC_ABOUT_VERSION), "v2.6.668")
        self.screenshot("brambletune-about")
        self.press(about, "Return")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^About$"), 20))
        self.close_console(program, console)


if __name__ == "__main__":
    unittest.main(verbosity=2)
