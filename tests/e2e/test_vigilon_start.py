"""Vigilon.exe started under Wine: first run, automatic start, alarm, single instance,
the end of a session."""
import subprocess
import unittest

from vigilon_case import CAPTION, KEY, MESSAGE, VigilonCase


class VigilonStart(VigilonCase):
    def test_first_run_shows_defaults_and_close_writes_them(self):
        program = self.start("Vigilon.exe")
        window = self.wait_window(CAPTION)
        self.screenshot("vigilon-first-run")
        self.press(window, "Escape")  # Esc presses "E&xit"
        self.assertEqual(program.wait(20), 0)
        opts = self.reg_values(KEY + r"\Opts")
        expected = {"New": "1", "Change": "1", "Delete": "1", "Wav": "", "Nsecs": "60",
                    "AutoStart": "0", "SoundAlarm": "1", "MAPI": "1", "Server": "",
                    "Sender": "", "SendEmail": "", "Subject": "", "NumRecip": "0",
                    "Security": "0", "User": "", "Password": ""}
        self.assertEqual({k: v for k, (t, v) in opts.items()}, expected)
        # The password is kept only as the bytes DPAPI made: none without one.
        self.assertEqual(opts["Password"][0], "REG_BINARY")
        self.assertTrue(all(t == "REG_SZ" for k, (t, v) in opts.items() if k != "Password"))
        start = self.reg_values(KEY + r"\Start")
        self.assertEqual(sorted(start), sorted(f"Dir{i}" for i in range(1, 21)))

    def test_the_end_of_a_session_writes_the_settings(self):
        program = self.start("Vigilon.exe")
        self.wait_window(CAPTION)
        ending = subprocess.run(["wineboot", "--end-session"], env=self.env, timeout=60,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertEqual(ending.returncode, 0)
        self.assertEqual(program.wait(30), 0)
        self.assertEqual(self.reg_values(KEY + r"\Opts").get("Nsecs", ("", ""))[1], "60")
        self.assertEqual(len(self.reg_values(KEY + r"\Start")), 20)

    def test_autostart_hides_and_a_new_file_brings_the_window_back(self):
        self.configure(AutoStart="1", Nsecs="5")
        self.start_active()
        self.assertEqual(self.visible_windows(CAPTION), [])
        self.screenshot("vigilon-autostart-hidden")
        # Activation wrote the settings it started with.
        self.assertEqual(self.reg_values(KEY + r"\Opts")["Nsecs"][1], "5")
        self.touch("new file.txt")
        self.wait_window(CAPTION, timeout=20)
        self.screenshot("vigilon-alarm")

    def test_autostart_without_folders_says_so_then_shows_the_window(self):
        self.reg_set(KEY + r"\Opts", "AutoStart", "1")
        self.start("Vigilon.exe")
        box = self.wait_window(MESSAGE)
        self.assertEqual(self.visible_windows(CAPTION), [])
        self.screenshot("vigilon-no-folders-message")
        self.press(box, "Return")
        self.wait_window(CAPTION)
        # A refused activation saves nothing.
        self.assertNotIn("Nsecs", self.reg_values(KEY + r"\Opts"))

    def test_autostart_without_notify_options_says_so_then_shows_the_window(self):
        self.configure(AutoStart="1", New="0", Change="0", Delete="0")
        program = self.start("Vigilon.exe")
        box = self.wait_window(MESSAGE)
        self.press(box, "Return")
        self.wait_window(CAPTION)
        self.screenshot("vigilon-no-options-at-start")
        self.assertIsNone(program.poll())

    def test_second_copy_ends_at_once(self):
        first = self.start("Vigilon.exe")
        self.wait_window(CAPTION)
        second = self.start("Vigilon.exe")
        self.assertEqual(second.wait(20), 0)
        self.assertIsNone(first.poll())
        self.assertEqual(len(self.visible_windows(CAPTION)), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
