"""Vigilon prints its summary to a real printer: CUPS with its PDF printer, read back with pdftotext."""
import glob
import os
import re
import subprocess
import unittest

from testbed import wait_until
from vigilon_case import CAPTION, VigilonCase

PDF_FOLDER = os.path.expanduser("~/PDF")


def cups_running():
    return subprocess.run(["lpstat", "-r"], capture_output=True, text=True).stdout.startswith(
        "scheduler is running")


class VigilonPrint(VigilonCase):
    @classmethod
    def setUpClass(cls):
        cls.cupsd = None
        if not cups_running():
            cls.cupsd = subprocess.Popen(["cupsd", "-f"], stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
            wait_until(cups_running, 15)
        subprocess.run(["lpadmin", "-p", "PDF", "-v", "cups-pdf:/", "-m",
                        "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-E"], check=True,
                       stderr=subprocess.DEVNULL)
        subprocess.run(["lpadmin", "-d", "PDF"], check=True)
        super().setUpClass()

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        if cls.cupsd:
            cls.cupsd.terminate()
            cls.cupsd.wait(10)

    def printed_summary(self, before):
        """(path, text) of a new, completely written PDF of our summary, or None.
        Other programs may print to the same printer meanwhile."""
        for path in sorted(set(glob.glob(os.path.join(PDF_FOLDER, "*.pdf"))) - before):
            done = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True)
            if done.returncode == 0 and "Vigilon 2000 is made by Quenmark Software." in done.stdout:
                return path, done.stdout
        return None

    def test_long_summary_prints_over_several_pages(self):
        before = set(glob.glob(os.path.join(PDF_FOLDER, "*.pdf")))
        self.configure(AutoStart="1", Nsecs="5")
        self.start_active()
        for i in range(90):
            self.touch(f"report file {i:03}.txt")
        window = self.wait_window(CAPTION, timeout=30)
        self.press(window, "alt+p")
        dialog = self.wait_window("^Print$")
        self.screenshot("vigilon-print-dialog")
        self.press(dialog, "Return")
        printed = wait_until(lambda: self.printed_summary(before), 90, step=1)
        self.assertTrue(printed, "no PDF was printed")
        path, text = printed
        pages = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
        self.assertGreater(int(re.search(r"Pages:\s+(\d+)", pages).group(1)), 1)
        lines = text.splitlines()
        title = next(l for l in lines if "Vigilon 2000 - listing of added, changed and deleted files." in l)
        self.assertTrue(any("Vigilon 2000 is made by Quenmark Software." in l for l in lines))
        title_indent = len(title) - len(title.lstrip())
        added = [l for l in lines if re.search(r"Added .*report file \d{3}\.txt", l)]
        self.assertEqual(len(added), 90)
        for line in added:
            self.assertGreater(len(line) - len(line.lstrip()), title_indent, line)
        self.assertTrue(any(re.search(r"Printed on .+ at .+", l) for l in lines))
        os.remove(path)


if __name__ == "__main__":
    unittest.main(verbosity=2)
