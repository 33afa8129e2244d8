"""Vigilon prints its summary to a real printer: CUPS with its PDF printer, read back with pdftotext."""
import glob
import os
import re
import subprocess
import time
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

    def new_pdfs(self, before):
        return sorted(set(glob.glob(os.path.join(PDF_FOLDER, "*.pdf"))) - before)

    def test_long_summary_prints_over_several_pages(self):
        before = set(glob.glob(os.path.join(PDF_FOLDER, "*.pdf")))
        self.configure(AutoStart="1", Nsecs="5")
        self.start("Vigilon.exe")
        time.sleep(3)
        for i in range(90):
            self.touch(f"report file {i:03}.txt")
        window = self.wait_window(CAPTION, timeout=30)
        self.press(window, "alt+p")
        dialog = self.wait_window("^Print$")
        self.screenshot("vigilon-print-dialog")
        self.press(dialog, "Return")
        pdfs = wait_until(lambda: self.new_pdfs(before), 60, step=1)
        self.assertTrue(pdfs, "no PDF was printed")
        time.sleep(2)  # let cups-pdf finish writing
        pages = subprocess.run(["pdfinfo", pdfs[0]], capture_output=True, text=True).stdout
        self.assertGreater(int(re.search(r"Pages:\s+(\d+)", pages).group(1)), 1)
        text = subprocess.run(["pdftotext", "-layout", pdfs[0], "-"], capture_output=True,
                              text=True).stdout
        lines = text.splitlines()
        title = next(l for l in lines if "Vigilon 2000 - listing of added, changed and deleted files." in l)
        self.assertTrue(any("Vigilon 2000 is made by Quenmark Software." in l for l in lines))
        title_indent = len(title) - len(title.lstrip())
        added = [l for l in lines if re.search(r"Added .*report file \d{3}\.txt", l)]
        self.assertEqual(len(added), 90)
        for line in added:
            self.assertGreater(len(line) - len(line.lstrip()), title_indent, line)
        self.assertTrue(any(re.search(r"Printed on .+ at .+", l) for l in lines))
        for path in pdfs:
            os.remove(path)


if __name__ == "__main__":
    unittest.main(verbosity=2)
