"""Drives the real programs under Wine on a private Xvfb display.

Every process a test starts is recorded by its id and ended in cleanup; the
display is started per test class and stopped by its process id.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from run_with_xvfb import start_xvfb, stop as stop_process  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("E2E_BUILD_DIR", os.path.join(REPO, "build", "win64"))
SCREENSHOTS = os.path.join(REPO, "build", "screenshots")


def wine_env():
    env = dict(os.environ)
    env.setdefault("WINEPREFIX", os.path.join(REPO, "build", "wineprefix"))
    env["WINEDEBUG"] = "-all"
    env["WINEDLLOVERRIDES"] = "mscoree,mshtml="
    env.setdefault("ALSA_CONFIG_PATH", os.path.join(REPO, "build", "asound.conf"))
    return env


def wine_path(unix_path):
    """The Windows name of a Unix path, through Wine's Z: drive."""
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def wait_until(predicate, timeout, step=0.2):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


class Display:
    """A private Xvfb server, stopped by its process id."""

    def __init__(self):
        self.process, self.name = start_xvfb()

    def stop(self):
        stop_process(self.process)


class WineTestCase(unittest.TestCase):
    """Base class: a display for the class, Wine for each test, cleanup by process id."""

    @classmethod
    def setUpClass(cls):
        cls.env = wine_env()
        # A Wine session left from a display-less test cannot show our windows.
        subprocess.run(["wineserver", "-w"], env=cls.env, timeout=60)
        cls.display = Display()
        cls.env["DISPLAY"] = cls.display.name
        if not os.path.exists(os.path.join(cls.env["WINEPREFIX"], "system.reg")):
            subprocess.run(["wineboot", "-i"], env=cls.env, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.makedirs(SCREENSHOTS, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["wineserver", "-w"], env=cls.env, timeout=60)
        cls.display.stop()

    def setUp(self):
        self.processes = []
        self.tmp = tempfile.mkdtemp(prefix="e2e-", dir=os.path.join(REPO, "build"))

    def tearDown(self):
        for process in self.processes:
            if process.poll() is None:
                process.send_signal(signal.SIGKILL)
                process.wait()
        # The programs' windows are gone once Wine has no process of ours left.
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60)
        shutil.rmtree(self.tmp, ignore_errors=True)

    # ---- programs ---------------------------------------------------------

    def start(self, program, *args, path=None, extra_env=None):
        """Starts a program of the build (or the one at path) under Wine."""
        env = dict(self.env, **(extra_env or {}))
        process = subprocess.Popen(["wine", path or os.path.join(BUILD, "bin", program), *args],
                                   env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def run_wine(self, *args, check=True):
        return subprocess.run(["wine", *args], env=self.env, check=check, capture_output=True,
                              text=True, encoding="latin-1")

    # ---- registry ---------------------------------------------------------

    def reg_delete(self, key):
        self.run_wine("reg", "delete", key, "/f", check=False)

    def reg_set(self, key, name, value, kind="REG_SZ"):
        self.run_wine("reg", "add", key, "/v", name, "/t", kind, "/d", value, "/f")

    def reg_values(self, key):
        """{name: (type, data)} of a key, read back with `wine reg query`."""
        result = self.run_wine("reg", "query", key, check=False)
        values = {}
        for line in result.stdout.splitlines():
            parts = line.strip().split(None, 2) if line.startswith("    ") else []
            if len(parts) >= 2 and parts[1].startswith("REG_"):
                values[parts[0]] = (parts[1], parts[2] if len(parts) > 2 else "")
        return values

    # ---- windows ----------------------------------------------------------

    def visible_windows(self, name):
        """Ids of visible X windows whose title matches the regular expression name."""
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                                env=self.env, capture_output=True, text=True)
        return result.stdout.split()

    def wait_window(self, name, timeout=20):
        windows = wait_until(lambda: self.visible_windows(name), timeout)
        self.assertTrue(windows, f"no visible window named {name!r}")
        return windows[0]

    def press(self, window, *keys):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=self.env)
        subprocess.run(["xdotool", "key", *keys], env=self.env)

    def screenshot(self, name):
        path = os.path.join(SCREENSHOTS, name + ".png")
        subprocess.run(["import", "-display", self.display.name, "-window", "root", path],
                       check=False)
        return path

    def poke(self, *args):
        """Runs WindowPoke under Wine; True when the target was found and answered yes."""
        return self.poke_output(*args) is not None

    def poke_output(self, *args):
        """What WindowPoke printed (latin-1 text), or None when it answered no. The
        output goes through a file: Wine's helper processes may keep a pipe open."""
        tool = os.path.join(BUILD, "bin", "WindowPoke.exe")
        with tempfile.TemporaryFile() as out:
            done = subprocess.run(["wine", tool, *args], env=self.env, stdout=out,
                                  stderr=subprocess.DEVNULL)
            out.seek(0)
            text = out.read().decode("latin-1")
        return text if done.returncode == 0 else None

    def keys(self, *keys):
        """Keys to whatever has the focus (a pop-up menu, a dialog)."""
        subprocess.run(["xdotool", "key", "--delay", "100", *keys], env=self.env)

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "20", text], env=self.env)
