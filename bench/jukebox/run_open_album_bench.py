#!/usr/bin/python3
"""Opens albums of 1,000, 10,000 and 100,000 songs in the real Brambletune.exe
under Wine and prints how soon each answers and shows its rows, and how much
memory the program took. Target for 100,000 songs: within 2 s, under 200 MB.
The targets are reported, not asserted.

Usage: run_open_album_bench.py [--rounds N] [--win-build DIR] [--host-build DIR]

  --rounds N        opens of each album; the table shows the median times and
                    the largest peak memory (default 3)
  --win-build DIR   the Windows build with Brambletune.exe and WindowAnswer.exe
                    (default build/win64)
  --host-build DIR  the native build with jukebox_album_bench (default build/host)

Build first:
  cmake --build build/win64 -j2 --target Brambletune WindowAnswer
  cmake --build build/host -j2 --target jukebox_album_bench

How it measures:
- The albums are written by `jukebox_album_bench --write`, through the project's
  own album writer (natively: the album is the same bytes on every platform).
  Their songs are Windows paths such as C:\\Music\\Artist 12\\Album 3\\Song
  number 345.mp3 that do not exist: opening an album must not touch its songs.
- Before every open the program's key HKCU\\Software\\Tallowmere is deleted and
  only the "Options" record is written back: the defaults with auto-play off
  (printed by `jukebox_album_bench --options-without-autoplay`). With auto-play
  on, the program would try to play the missing first song right after opening
  and show an error box; that is playback, not opening, and a box waiting for a
  click would stop the clock at an arbitrary point.
- The clock starts just before `wine Brambletune.exe <album>` is started, so the
  times include Wine starting the process (Wine's server and desktop are
  already running, and one unmeasured open warms them up first).
- "caption s": when `xdotool search --onlyvisible --name` first finds the window
  captioned "<album>.alb - Brambletune" (polled every 25 ms). The program sets
  that caption after the rows are in the list.
- "answer s": when the list view answered WindowAnswer.exe's LVM_GETITEMCOUNT
  with the album's song count. That message is sent from another process, so it
  is answered only when the program's thread reads its messages again: the
  window responds and holds every row. WindowAnswer is started and running
  before the program, and reports over a pipe as things happen.
- "rows s": when a screenshot of the display first shows the rows' green text
  inside the list view's rectangle (reported by WindowAnswer). Screenshots are
  taken back to back from the answer on, each about 0.1 s; the time is when the
  first one showing rows was received. The list answers before it paints: a
  sent message is handled before the paint that the rows are waiting for.
- "peak MB": VmHWM of the Windows process (the Linux process whose command line
  names Brambletune.exe in this script's Wine prefix), read once the rows are on
  screen. The 100,000-song screenshot is build/screenshots/brambletune-100k.png.

Everything runs on a private Xvfb display and in the private prefix
build/wineprefix-bench (created on first use). Every process started is ended by
its id; the display is stopped by its id, and `wineserver -k` ends the prefix's
Wine processes at the end. Exits 1 only when a program could not be started or
measured.
"""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(REPO, "tests"))
from run_with_xvfb import start_xvfb, stop  # noqa: E402

SIZES = (1000, 10000, 100000)
TARGET_SECONDS = 2.0
TARGET_MB = 200
PREFIX = os.path.join(REPO, "build", "wineprefix-bench")
SCREENSHOT = os.path.join(REPO, "build", "screenshots", "brambletune-100k.png")
SETTINGS_ROOT = r"HKCU\Software\Tallowmere"
OPTIONS_KEY = SETTINGS_ROOT + r"\Brambletune\2\w\Options"
OPEN_TIMEOUT = 120.0


class MeasureError(Exception):
    pass


def wine_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


class Bench:
    def __init__(self, args, display):
        self.win_bin = os.path.join(args.win_build, "bin")
        self.host_bin = os.path.join(args.host_build, "bin")
        self.env = dict(os.environ, DISPLAY=display, WINEPREFIX=PREFIX, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", WINEARCH="win64")
        self.display = display
        self.started = []
        self.options_hex = ""

    # ---- processes ------------------------------------------------------

    def start(self, command, **kwargs):
        process = subprocess.Popen(command, env=self.env, **kwargs)
        self.started.append(process)
        return process

    def run(self, command, timeout=120, check=True):
        """Output goes to files, not pipes: a Wine service that the command starts
        inherits them and outlives it, and a pipe would not end before it does."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            code = subprocess.run(command, env=self.env, stdout=out, stderr=err,
                                  timeout=timeout).returncode
            out.seek(0)
            err.seek(0)
            output = out.read().decode("latin-1")
            if check and code != 0:
                raise MeasureError(f"{command[0]} failed: {err.read().decode('latin-1')[:300]}")
        return output

    def end_started(self):
        for process in self.started:
            if process.poll() is None:
                process.send_signal(signal.SIGKILL)
                process.wait()

    # ---- set-up ---------------------------------------------------------

    def start_wine(self):
        """A persistent server for the prefix, so that no open pays for starting it."""
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        self.start(["wineserver", "-f", "-p"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        if not os.path.exists(os.path.join(PREFIX, "system.reg")):
            print(f"Creating Wine prefix {PREFIX}", flush=True)
            self.run(["wineboot", "-i"], timeout=600)

    def write_albums(self, folder):
        tool = os.path.join(self.host_bin, "jukebox_album_bench")
        self.options_hex = self.run([tool, "--options-without-autoplay"]).strip()
        if len(self.options_hex) != 2 * 332:
            raise MeasureError("the options record is not 332 bytes")
        albums = {}
        for n in SIZES:
            albums[n] = os.path.join(folder, f"songs-{n}.alb")
            self.run([tool, "--write", str(n), albums[n]])
        return albums

    def reset_settings(self):
        self.run(["wine", "reg", "delete", SETTINGS_ROOT, "/f"], check=False)
        self.run(["wine", "reg", "add", OPTIONS_KEY, "/v", "Options", "/t", "REG_BINARY",
                  "/d", self.options_hex, "/f"])

    # ---- one open -------------------------------------------------------

    def start_answer_tool(self, caption):
        """WindowAnswer.exe, running; its lines are time-stamped as they arrive."""
        tool = self.start(["wine", os.path.join(self.win_bin, "WindowAnswer.exe"), caption,
                           str(int(OPEN_TIMEOUT * 1000))],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        events = {}
        arrived = threading.Event()

        def read():
            for line in tool.stdout:
                word, _, rest = line.strip().partition(" ")
                events[word] = (time.monotonic(), rest)
                arrived.set()
            arrived.set()

        reader = threading.Thread(target=read, daemon=True)
        reader.start()
        if not arrived.wait(60) or "ready" not in events:
            raise MeasureError("WindowAnswer.exe did not start")
        return tool, events, reader

    def caption_visible(self, pattern):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                                env=self.env, capture_output=True, text=True)
        return bool(result.stdout.split())

    def program_pid(self):
        """The Linux process that runs Brambletune.exe in this prefix."""
        marker = ("WINEPREFIX=" + PREFIX).encode()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    if b"Brambletune.exe" not in f.read():
                        continue
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if marker in f.read().split(b"\0"):
                        return int(pid)
            except OSError:
                continue
        return None

    @staticmethod
    def peak_mb(pid):
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024.0
        raise MeasureError("no VmHWM")

    def screenshot(self, path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       capture_output=True, timeout=60)

    def rows_painted(self, area):
        """True when the list's area of the screen holds a pixel of the rows'
        default text colour, pure green (the header and frame are not green)."""
        shot = subprocess.run(["import", "-display", self.display, "-window", "root",
                               "-depth", "8", "ppm:-"], capture_output=True, timeout=60).stdout
        parts = shot.split(maxsplit=4)  # P6, width, height, maximum, pixels
        if len(parts) < 5 or parts[0] != b"P6":
            raise MeasureError("no screenshot of the display")
        width, pixels = int(parts[1]), parts[4]
        left, top, right, bottom = (max(0, v) for v in area)
        for y in range(top, bottom):
            row = pixels[3 * (y * width + left):3 * (y * width + right)]
            for x in range(0, len(row) - 2, 3):
                if row[x] < 64 and row[x + 1] > 192 and row[x + 2] < 64:
                    return True
        return False

    def open_album(self, n, album, screenshot):
        """Seconds to the caption, to the answer and to the rows on screen; peak MB."""
        self.reset_settings()
        name = os.path.basename(album)
        caption = f"{name} - Brambletune"
        tool, events, reader = self.start_answer_tool(caption)
        start = time.monotonic()
        program = self.start(["wine", os.path.join(self.win_bin, "Brambletune.exe"),
                              wine_path(album)],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        pattern = "^" + caption.replace(".", r"\.") + "$"
        seen = None
        try:
            while time.monotonic() - start < OPEN_TIMEOUT:
                if seen is None and self.caption_visible(pattern):
                    seen = time.monotonic()
                if seen is not None and ("rows" in events or not reader.is_alive()):
                    break
                if program.poll() is not None:
                    raise MeasureError(f"Brambletune.exe ended with {program.returncode}")
                time.sleep(0.025)
            tool.wait(10)
            reader.join(10)
            if seen is None or "rows" not in events:
                raise MeasureError(f"{name}: no caption or no answer in {OPEN_TIMEOUT:.0f} s")
            answered, reply = events["rows"]
            rows, *area = (int(v) for v in reply.split())
            if rows != n:
                raise MeasureError(f"{name}: the list holds {rows} rows, not {n}")
            while not self.rows_painted(area):
                if time.monotonic() - start > OPEN_TIMEOUT:
                    raise MeasureError(f"{name}: no rows painted in {OPEN_TIMEOUT:.0f} s")
            painted = time.monotonic()
            pid = self.program_pid()
            if pid is None:
                raise MeasureError("no Brambletune.exe process found")
            self.screenshot(screenshot)
            return seen - start, answered - start, painted - start, self.peak_mb(pid)
        finally:
            self.end_program(program)

    def end_program(self, program):
        """The Windows process may not be the one wine was started as: end both."""
        pid = self.program_pid()
        if pid is not None and pid != program.pid:
            os.kill(pid, signal.SIGKILL)
        if program.poll() is None:
            program.send_signal(signal.SIGKILL)
            program.wait()
        deadline = time.monotonic() + 30
        while self.program_pid() is not None and time.monotonic() < deadline:
            time.sleep(0.05)


def print_table(results):
    print(f"{'songs':>8} {'caption s':>10} {'answer s':>10} {'rows s':>8} {'peak MB':>9}")
    for n, runs in results.items():
        caption, answer, painted = (statistics.median(r[i] for r in runs) for i in range(3))
        peak = max(r[3] for r in runs)
        line = f"{n:>8} {caption:>10.2f} {answer:>10.2f} {painted:>8.2f} {peak:>9.1f}"
        if n == max(SIZES):
            line += f"   targets: {TARGET_SECONDS:.0f} s, {TARGET_MB} MB"
        print(line, flush=True)


def main():
    parser = argparse.ArgumentParser(usage=__doc__.split("\n\n")[1])
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--win-build", default=os.path.join(REPO, "build", "win64"))
    parser.add_argument("--host-build", default=os.path.join(REPO, "build", "host"))
    args = parser.parse_args()

    def measure(bench, folder):
        albums = bench.write_albums(folder)
        scratch = os.path.join(folder, "screen.png")
        bench.open_album(SIZES[0], albums[SIZES[0]], scratch)  # warms Wine up
        results = {}
        for n in SIZES:
            shot = SCREENSHOT if n == max(SIZES) else scratch
            results[n] = [bench.open_album(n, albums[n], shot) for _ in range(args.rounds)]
        print_table(results)
        return 0

    return run_bench(args, "open-album-bench-", measure)


def run_bench(args, prefix, measure):
    """Runs measure(bench, folder) in a private Wine prefix on a private Xvfb
    display with a scratch folder under build/; ends everything it started.
    Returns measure's exit status, or 1 when it could not measure."""
    xvfb, display = start_xvfb()
    bench = Bench(args, display)
    folder = tempfile.mkdtemp(prefix=prefix, dir=os.path.join(REPO, "build"))
    try:
        bench.start_wine()
        return measure(bench, folder)
    except (MeasureError, OSError, subprocess.TimeoutExpired) as error:
        print(f"could not measure: {error}", file=sys.stderr)
        return 1
    finally:
        bench.end_started()
        subprocess.run(["wineserver", "-k"], env=bench.env, capture_output=True)
        stop(xvfb)
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
