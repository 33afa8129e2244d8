"""Helpers of the mail test drivers: free ports, servers started and stopped
by their process id, and runs of the test client (natively or under an
emulator such as Wine)."""
import os
import socket
import subprocess
import sys
import time

PYTHON = "/usr/bin/python3"
HERE = os.path.dirname(os.path.abspath(__file__))


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_until(predicate, timeout, step=0.05):
    """Polls predicate until it holds or timeout seconds have passed; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(step)


def read_lines(path):
    if not os.path.exists(path):
        return []
    with open(path, "rb") as log:
        return log.read().split(b"\n")[:-1]


class Server:
    """A helper server process; started on construction, stopped by stop()."""

    def __init__(self, script, *args):
        self.process = subprocess.Popen([PYTHON, os.path.join(HERE, script), *args],
                                        stdout=subprocess.PIPE, text=True)
        line = self.process.stdout.readline()
        if line.strip() != "READY":
            self.stop()
            raise RuntimeError(f"{script} did not start: {line!r}")

    def stop(self):
        if self.process.poll() is None:
            os.kill(self.process.pid, 15)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.kill(self.process.pid, 9)
                self.process.wait()
        self.process.stdout.close()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()


class Client:
    def __init__(self, program, emulator):
        self.program = program
        self.emulator = emulator.split() if emulator else []

    def path(self, unix_path):
        """A file path as the client sees it (Wine maps the root to Z:)."""
        if not self.emulator:
            return unix_path
        return "Z:" + unix_path.replace("/", "\\")

    def run(self, *args, limit=120):
        """Runs the client; returns (exit code, output lines, seconds)."""
        start = time.monotonic()
        done = subprocess.run([*self.emulator, self.program, *args], capture_output=True, timeout=limit)
        seconds = time.monotonic() - start
        lines = done.stdout.decode("latin-1").replace("\r\n", "\n").split("\n")
        return done.returncode, lines, seconds


class Checker:
    def __init__(self):
        self.failures = 0

    def equal(self, what, got, expected):
        if got != expected:
            self.failures += 1
            print(f"FAIL {what}:\n  got      {got!r}\n  expected {expected!r}", file=sys.stderr)

    def true(self, what, condition, detail=""):
        if not condition:
            self.failures += 1
            print(f"FAIL {what} {detail}", file=sys.stderr)

    def finish(self):
        print("failures:", self.failures)
        sys.exit(1 if self.failures else 0)
