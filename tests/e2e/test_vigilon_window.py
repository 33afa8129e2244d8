"""Vigilon's main window under Wine: activation and refusals, alarm, log, reactivation, tray."""
import os
import re
import time
import unittest

from testbed import wait_until, wine_path
from vigilon_case import CAPTION, IDC_NEW, IDC_WAVE_TEST, MESSAGE, WINDOW_CLASS, VigilonCase

LOG_BLOCK = re.compile(
    r"\*{16}\r\nLog generated on (?P<stamp>[^\r\n]+ at [^\r\n]+)\r\n"
    r"   Date/Time [^\r\n]+\r\n"
    r"    \r\n"
    r"   Added (?P<path>[^\r\n]+)\r\n"
    r"\r\n")


class VigilonWindow(VigilonCase):
    def activate(self, window):
        self.press(window, "Return")  # "Activate" is the default button
        self.assertTrue(wait_until(lambda: not self.visible_windows(CAPTION), 10),
                        "the window stayed visible after activation")

    def alarm(self, name="new file.txt"):
        """Activates with a 5 second interval and adds a file; returns the alarm window."""
        self.configure(AutoStart="1", Nsecs="5")
        self.start_active()
        self.touch(name)
        return self.wait_window(CAPTION, timeout=20)

    def test_refusal_without_notify_options_keeps_the_window(self):
        self.configure(New="0", Change="0", Delete="0")
        window = self.wait_window_of(self.start("Vigilon.exe"))
        self.press(window, "Return")
        box = self.wait_window(MESSAGE)
        self.screenshot("vigilon-refused-no-options")
        self.assertTrue(self.visible_windows(CAPTION))
        self.press(box, "Return")
        self.assertNotIn("Nsecs", self.opts())  # refused: nothing saved

    def test_activation_hides_writes_settings_and_keeps_running(self):
        self.configure(Nsecs="7")
        program = self.start("Vigilon.exe")
        window = self.wait_window_of(program)
        self.activate(window)
        self.screenshot("vigilon-activated")
        self.assertIsNone(program.poll())
        opts = self.opts()
        self.assertEqual((opts["Nsecs"], opts["New"], opts["AutoStart"]), ("7", "1", "0"))

    def untick_new_files(self):
        self.assertTrue(self.poke("click", WINDOW_CLASS, str(IDC_NEW)))
        self.assertTrue(wait_until(lambda: not self.poke("checked", WINDOW_CLASS, str(IDC_NEW)), 20))

    def wait_window_of(self, program):
        window = self.wait_window(CAPTION)
        self.assertIsNone(program.poll())
        return window

    def test_append_to_text_file_appends_the_exact_block(self):
        log = os.path.join(self.tmp, "vigilon log.txt")
        with open(log, "wb") as f:
            f.write(b"kept\r\n")
        window = self.alarm()
        self.press(window, "alt+a")
        dialog = self.wait_window("^Append log to Vigilon.txt file $")
        self.screenshot("vigilon-append-dialog")
        self.press(dialog, "ctrl+a")
        self.type_text(wine_path(log))
        self.press(dialog, "Return")
        self.assertTrue(wait_until(lambda: os.path.getsize(log) > 6, 10))
        with open(log, "rb") as f:
            data = f.read().decode("latin-1")
        self.assertTrue(data.startswith("kept\r\n"))
        match = LOG_BLOCK.fullmatch(data[len("kept\r\n"):])
        self.assertIsNotNone(match, repr(data))
        self.assertEqual(match["path"], wine_path(os.path.join(self.folder, "new file.txt")))

    def test_touched_deleted_and_added_files_reach_the_log(self):
        self.touch("old.txt")
        past = time.time() - 3600
        os.utime(os.path.join(self.folder, "present.txt"), (past, past))
        self.configure(AutoStart="1", Nsecs="5")
        self.start_active()
        os.utime(os.path.join(self.folder, "present.txt"))
        os.remove(os.path.join(self.folder, "old.txt"))
        self.touch("fresh.txt")
        window = self.wait_window(CAPTION, timeout=20)
        self.screenshot("vigilon-alarm-three-kinds")
        log = os.path.join(self.tmp, "three.txt")
        self.press(window, "alt+a")
        dialog = self.wait_window("^Append log to Vigilon.txt file $")
        self.press(dialog, "ctrl+a")
        self.type_text(wine_path(log))
        self.press(dialog, "Return")
        self.assertTrue(wait_until(lambda: os.path.exists(log), 10))
        with open(log, "rb") as f:
            lines = f.read().decode("latin-1").split("\r\n")
        folder = wine_path(self.folder)
        self.assertEqual(lines[4:], [f"   Deleted {folder}\\old.txt", f"   Changed {folder}\\present.txt",
                                     f"   Added {folder}\\fresh.txt", "", ""])

    def test_help_and_about_windows(self):
        program = self.start("Vigilon.exe")
        window = self.wait_window_of(program)
        self.press(window, "alt+h")
        help_window = self.wait_window("^Help for Vigilon 2000$")
        self.screenshot("vigilon-help")
        self.press(help_window, "Return")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^Help for Vigilon 2000$"), 10))
        self.press(window, "alt+b")
        about = self.wait_window("^How to contact us$")
        self.screenshot("vigilon-about")
        self.press(about, "Return")
        self.assertTrue(wait_until(lambda: not self.visible_windows("^How to contact us$"), 10))
        self.assertIsNone(program.poll())

    def test_sound_file_without_a_program_gives_couldnt_execute(self):
        sound = os.path.join(self.tmp, "alarm.unknownkind")
        with open(sound, "w") as f:
            f.write("not a sound")
        self.configure(Wav=wine_path(sound))
        program = self.start("Vigilon.exe")
        self.wait_window_of(program)
        self.assertTrue(self.poke("click", WINDOW_CLASS, str(IDC_WAVE_TEST)))  # "Test"
        self.wait_window(MESSAGE)
        self.screenshot("vigilon-couldnt-execute")
        self.assertIsNone(program.poll())

    def test_reactivate_takes_a_fresh_snapshot(self):
        window = self.alarm()
        self.screenshot("vigilon-alarm-before-reactivate")
        self.activate(window)  # the default button now reads "Reactivate"
        self.touch("second.txt")
        self.wait_window(CAPTION, timeout=20)
        summary = self.summary()
        self.assertIn("second.txt", summary)
        self.assertNotIn("new file.txt", summary)  # it is in the new snapshot

    def test_tray_exit_does_not_write_settings_but_close_does(self):
        self.configure()
        program = self.start("Vigilon.exe")
        self.activate(self.wait_window_of(program))
        self.tray_right_click()
        self.keys("Down", "Return")  # "Show main menu"
        self.wait_window(CAPTION)
        self.screenshot("vigilon-called-back")
        self.untick_new_files()
        self.tray_right_click()
        self.keys("Up", "Return")  # "Exit"
        self.assertEqual(program.wait(20), 0)
        self.assertEqual(self.opts()["New"], "1")

        program = self.start("Vigilon.exe")
        window = self.wait_window_of(program)
        self.untick_new_files()
        self.press(window, "Escape")
        self.assertEqual(program.wait(20), 0)
        self.assertEqual(self.opts()["New"], "0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
