#!/usr/bin/python3
"""Runs a test program on a private Xvfb display.

Usage: run_with_xvfb.py COMMAND [ARGS...]

Starts `Xvfb :N` on the first free display number from 90 on, runs the command
with DISPLAY=:N, stops that Xvfb by its process id and exits with the command's
status.
"""
import os
import subprocess
import sys
import time


def display_free(n):
    return not (os.path.exists(f"/tmp/.X11-unix/X{n}") or os.path.exists(f"/tmp/.X{n}-lock"))


def start_xvfb():
    """Returns (process, display); retries when another run takes the number first."""
    for n in range(90, 200):
        if not display_free(n):
            continue
        xvfb = subprocess.Popen(
            ["Xvfb", f":{n}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(600):  # up to 30 s on a loaded machine
            if xvfb.poll() is not None:
                break
            if os.path.exists(f"/tmp/.X11-unix/X{n}"):
                return xvfb, f":{n}"
            time.sleep(0.05)
        stop(xvfb)
    sys.exit("no free X display for Xvfb")


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def wait_for_wine_session(command):
    """A Wine session that started without a display cannot create windows for
    later programs: let any running session end so ours starts with DISPLAY set."""
    if os.path.basename(command) in ("wine", "wine64"):
        subprocess.call(["wineserver", "-w"])


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    wait_for_wine_session(sys.argv[1])
    xvfb, display = start_xvfb()
    try:
        env = dict(os.environ, DISPLAY=display)
        return subprocess.call(sys.argv[1:], env=env)
    finally:
        stop(xvfb)


if __name__ == "__main__":
    sys.exit(main())
