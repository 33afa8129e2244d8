#!/usr/bin/env python3
"""Makes a folder of 20,500 files natively and has the listing test read it under Wine.

Usage: large_folder.py WORK_FOLDER EMULATOR TEST_PROGRAM
"""
import os
import subprocess
import sys

COUNT = 20500


def main():
    work, emulator, program = sys.argv[1:4]
    folder = os.path.join(work, "large-folder")
    os.makedirs(folder, exist_ok=True)
    for i in range(COUNT):
        path = os.path.join(folder, f"file {i}.dat")
        if not os.path.exists(path):
            open(path, "wb").close()
    env = dict(os.environ,
               VIGILON_LARGE_FOLDER="Z:" + folder.replace("/", "\\"),
               VIGILON_LARGE_COUNT=str(COUNT))
    command = [emulator, program, "--gtest_filter=*ListsLargeFolders*", "--gtest_brief=1"]
    return subprocess.call(command, env=env)


if __name__ == "__main__":
    sys.exit(main())
