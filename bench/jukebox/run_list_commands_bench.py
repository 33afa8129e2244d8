#!/usr/bin/python3
"""Opens an album of 100,000 songs in the real Brambletune.exe under Wine, then
runs list commands one after the other and prints how soon the console answers
again after each: sort by title, Remove > Duplicates, Select All, Remove >
Selected. Target: each within 5 s. The target is reported, not asserted.

Usage: run_list_commands_bench.py [--win-build DIR] [--host-build DIR]

Build first:
  cmake --build build/win64 -j2 --target Brambletune CommandAnswer
  cmake --build build/host -j2 --target jukebox_album_bench

How it measures: the album and the settings (auto-play off) are made as
run_open_album_bench.py makes them, in the same private prefix and on a private
Xvfb display. Once the album's caption shows, CommandAnswer.exe sends each
command as WM_COMMAND to the console, which returns when the command has run,
and then sends the list view LVM_GETITEMCOUNT; the time is from sending the
command to the list's answer. Every process started is ended by its id.
"""
import argparse
import os
import subprocess
import sys
import time

from run_open_album_bench import REPO, MeasureError, run_bench, wine_path

SONGS = 100000
TARGET_SECONDS = 5.0
COMMANDS = (("sort by title", 1801), ("Remove > Duplicates", 1701), ("Select All", 1309),
            ("Remove > Selected", 1700))
OPEN_TIMEOUT = 120.0
ANSWER_LIMIT_MS = 120000


def measure(bench, album):
    bench.reset_settings()
    caption = os.path.basename(album) + " - Brambletune"
    program = bench.start(["wine", os.path.join(bench.win_bin, "Brambletune.exe"),
                           wine_path(album)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        start = time.monotonic()
        pattern = "^" + caption.replace(".", r"\.") + "$"
        while not bench.caption_visible(pattern):
            if time.monotonic() - start > OPEN_TIMEOUT:
                raise MeasureError("the album did not open")
            time.sleep(0.1)
        output = bench.run(["wine", os.path.join(bench.win_bin, "CommandAnswer.exe"), caption,
                            str(ANSWER_LIMIT_MS), *(str(command) for _, command in COMMANDS)],
                           timeout=600, check=False)
        return [line.split() for line in output.splitlines() if line.strip()]
    finally:
        bench.end_program(program)


def report(bench, folder):
    album = bench.write_albums(folder)[SONGS]
    lines = measure(bench, album)
    print(f"{'command on ' + format(SONGS, ',') + ' songs':<32} {'answer s':>9} {'rows':>8}")
    for (name, _), (_, seconds, rows) in zip(COMMANDS, lines):
        print(f"{name:<32} {float(seconds):>9.2f} {int(rows):>8}   target {TARGET_SECONDS:.0f} s")
    for name, _ in COMMANDS[len(lines):]:
        print(f"{name:<32} no answer within {ANSWER_LIMIT_MS / 1000:.0f} s (or not reached)")
    return 0 if len(lines) == len(COMMANDS) else 1



def main():
    parser = argparse.ArgumentParser(usage=__doc__.split("\n\n")[1])
    parser.add_argument("--win-build", default=os.path.join(REPO, "build", "win64"))
    parser.add_argument("--host-build", default=os.path.join(REPO, "build", "host"))
    args = parser.parse_args()
    return run_bench(args, "list-commands-bench-", report)




if __name__ == "__main__":
    sys.exit(main())
