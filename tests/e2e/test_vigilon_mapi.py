"""Vigilon mails its summary through Simple MAPI: our recording MAPI32.DLL stands in
for the mail client in the prefix's system folder, the only place the program loads
libraries from."""
import os
import re
import shutil
import unittest

from testbed import BUILD, wait_until, wine_path
from vigilon_case import CAPTION, MESSAGE, VigilonCase

FAKE_MAPI = os.path.join(BUILD, "bin", "mapi-test", "MAPI32.DLL")


class VigilonMapi(VigilonCase):
    def setUp(self):
        super().setUp()
        self.app = os.path.join(self.tmp, "app")
        os.makedirs(self.app)
        shutil.copy(os.path.join(BUILD, "bin", "Vigilon.exe"), self.app)
        self.install_fake_mapi()
        self.log = os.path.join(self.tmp, "mapi.log")
        self.configure(AutoStart="1", Nsecs="5", SoundAlarm="0", MAPI="1", Subject="Folder changes",
                       NumRecip="2", Recip1="first@example.org", Recip2="second@example.org")

    def install_fake_mapi(self):
        """Puts the fake in the system folder for this test; the original comes back after."""
        system_mapi = os.path.join(self.env["WINEPREFIX"], "drive_c", "windows", "system32",
                                   "mapi32.dll")
        with open(system_mapi, "rb") as f:
            original = f.read()

        def restore():
            with open(system_mapi, "wb") as f:
                f.write(original)

        self.addCleanup(restore)
        shutil.copy(FAKE_MAPI, system_mapi)

    def start_with_fake(self, script=""):
        return self.start_active(path=os.path.join(self.app, "Vigilon.exe"), extra_env={
            "WINEDLLOVERRIDES": "mscoree,mshtml=;mapi32=n,b",
            "FAKE_MAPI_LOG": wine_path(self.log),
            "FAKE_MAPI_SCRIPT": script})

    def calls(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="latin-1") as f:
            return f.read().splitlines()

    def frees(self):
        return [line for line in self.calls() if line.startswith("MAPIFreeBuffer")]

    def sends(self):
        return [line for line in self.calls() if line.startswith("MAPISendMail")]

    def test_summary_goes_to_every_recipient_and_descriptors_are_freed(self):
        program = self.start_with_fake()
        self.touch("added.txt")
        self.assertTrue(wait_until(lambda: len(self.frees()) == 2, 30), self.calls())
        calls = self.calls()
        self.assertEqual(self.visible_windows(CAPTION), [])
        self.assertRegex(calls[0], r"^MAPILogon .* flags=(9|73) ")
        resolves = [l for l in calls if l.startswith("MAPIResolveName")]
        self.assertEqual([re.search(r'name="([^"]*)"', l).group(1) for l in resolves],
                         ["first@example.org", "second@example.org"])
        self.assertTrue(all(" flags=9 " in l for l in resolves))
        send_at = calls.index(self.sends()[0])
        self.assertIn(" flags=1 ", calls[send_at])  # no compose window
        message = calls[send_at + 1]
        self.assertIn('subject="Folder changes"', message)
        self.assertIn("recipients=2", message)
        added = "Added " + wine_path(os.path.join(self.folder, "added.txt")).replace("\\", "\\\\")
        self.assertIn(added, message)
        self.assertRegex(message, r'note="Date/Time [^"]*\\r\\n \\r\\n')
        self.assertEqual(self.frees(), ["MAPIFreeBuffer descriptor=#1", "MAPIFreeBuffer descriptor=#2"])
        self.assertIsNone(program.poll())

    def test_failed_send_shows_the_error_and_is_retried(self):
        self.start_with_fake("send=2")
        self.touch("added.txt")
        box = self.wait_window(MESSAGE, timeout=30)
        self.screenshot("vigilon-mapi-error")
        self.press(box, "Return")
        self.assertTrue(wait_until(lambda: len(self.sends()) >= 2, 30), self.calls())
        notes = [l for l in self.calls() if l.startswith("  message")]
        self.assertEqual(notes[0].count("Date/Time "), 1)
        self.assertEqual(notes[1].count("Date/Time "), 1)  # the same summary, retried
        added = "Added " + wine_path(os.path.join(self.folder, "added.txt")).replace("\\", "\\\\")
        self.assertEqual(notes[1].count(added), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
