"""Shared set-up of the Vigilon end-to-end tests."""
import ctypes
import os
import struct

from testbed import WineTestCase, wait_until, wine_path

KEY = r"HKCU\Software\Quenmark\Vigilon2000"
CAPTION = "^Vigilon 2000 - monitor Windows folders$"
MESSAGE = "^Vigilon$"
WINDOW_CLASS = "TfrmWatcher"

# Control ids and messages of the main window, as a shell or helper program sends them.
IDC_NEW = 1007
IDC_SUMMARY = 1103
IDC_WAVE_TEST = 1020
TRAY_CALLBACK = 1025
WM_RBUTTONUP = 517
POPUP_MENU_CLASS = "#32768"


class VigilonCase(WineTestCase):
    def setUp(self):
        super().setUp()
        self.reg_delete(KEY)
        self.folder = os.path.join(self.tmp, "watched")
        os.makedirs(self.folder)
        self.touch("present.txt")

    def touch(self, name, text="x"):
        with open(os.path.join(self.folder, name), "w") as f:
            f.write(text)

    def configure(self, **opts):
        self.reg_set(KEY + r"\Start", "Dir1", wine_path(self.folder))
        for name, value in opts.items():
            self.reg_set(KEY + r"\Opts", name, value)

    def opts(self):
        return {name: data for name, (kind, data) in self.reg_values(KEY + r"\Opts").items()}

    def start_active(self, **kwargs):
        """Starts Vigilon set to activate itself; returns once its start snapshot is taken
        (the window takes messages only after its creation, activation included)."""
        program = self.start("Vigilon.exe", **kwargs)
        self.assertTrue(wait_until(lambda: self.poke("sync", WINDOW_CLASS), 60),
                        "Vigilon did not start")
        self.assertIsNone(program.poll(), "Vigilon ended")
        return program

    def tray_right_click(self):
        self.assertTrue(self.poke("post", WINDOW_CLASS, str(TRAY_CALLBACK), "0", str(WM_RBUTTONUP)))
        self.assertTrue(wait_until(lambda: self.poke("visible", POPUP_MENU_CLASS), 20),
                        "no tray menu")

    def summary(self):
        return self.poke_output("text", WINDOW_CLASS, str(IDC_SUMMARY))


class FolderReads:
    """Counts the times a folder is listed and closed again (inotify's IN_CLOSE_NOWRITE on the
    folder itself): a scan of the monitor has finished with that folder once per count."""
    IN_CLOSE_NOWRITE = 0x10

    def __init__(self, path):
        self.libc = ctypes.CDLL(None, use_errno=True)
        self.fd = self.libc.inotify_init1(os.O_NONBLOCK | os.O_CLOEXEC)
        if self.fd < 0:
            raise OSError(ctypes.get_errno(), "inotify_init1")
        if self.libc.inotify_add_watch(self.fd, os.fsencode(path), self.IN_CLOSE_NOWRITE) < 0:
            raise OSError(ctypes.get_errno(), "inotify_add_watch")
        self.count = 0

    def close(self):
        os.close(self.fd)

    def reads(self):
        while True:
            try:
                data = os.read(self.fd, 65536)
            except BlockingIOError:
                return self.count
            offset = 0
            while offset < len(data):
                _, mask, _, length = struct.unpack_from("iIII", data, offset)
                if mask & self.IN_CLOSE_NOWRITE and length == 0:
                    self.count += 1
                offset += 16 + length

    def wait_more(self, count, timeout):
        """Waits until the folder was read count more times; True when it was."""
        target = self.reads() + count
        return wait_until(lambda: self.reads() >= target, timeout)
