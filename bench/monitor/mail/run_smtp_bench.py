"""Starts a local aiosmtpd server, sends one mail with a 1 MB body and 100
small mails with smtp_bench and with Python's smtplib (one connection per
mail for both, best of three rounds each), and prints the times and their
ratio.

  run_smtp_bench.py --bench path/to/smtp_bench [--emulator wine]

With --starttls (Schannel exists only under Wine: give --emulator wine and
--trust path/to/trust_certificate.exe), the server requires STARTTLS and
AUTH with a certificate made for the run, and both clients log in on every
mail; smtplib trusts the test authority through its own context."""
import argparse
import os
import smtplib
import socket
import ssl
import subprocess
import sys
import tempfile
import time

MAIL_TESTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                          "tests", "monitor", "mail")
sys.path.insert(0, MAIL_TESTS)
from tls_mail_test import make_authority, make_server_certificate  # noqa: E402

PYTHON = "/usr/bin/python3"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_until_listening(port, process):
    for _ in range(100):
        if process.poll() is not None:
            raise RuntimeError("server ended")
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.1)
    raise RuntimeError("server did not start")


def message(body_lines):
    head = ("From:     Vigilon <monitor@example.com>\r\n"
            "To:       \"admin@example.com\" <admin@example.com>\r\n"
            "Subject: Folder changes\r\n"
            "Mime-Version: 1.0\r\n"
            "Content-Type: text/plain; charset=\"us-ascii\"\r\n"
            "Content-Transfer-Encoding: 7bit\r\n\r\n")
    return (head + "".join(line + "\r\n" for line in body_lines)).encode("ascii")


def large_body():
    lines, size, i = [], 0, 0
    while size < 1 << 20:
        line = f"Changed C:\\Data\\Projects\\Reports\\2026\\quarter-{i}.xlsx".ljust(77) + "."
        lines.append(line)
        size += len(line) + 2
        i += 1
    return lines


def smtplib_send(port, data):
    with smtplib.SMTP("127.0.0.1", port) as client:
        client.helo()
        client.sendmail("monitor@example.com", ["admin@example.com"], data)


def run_smtplib(port, rounds=3):
    """Best of three rounds, as smtp_bench reports."""
    large = message(large_body())
    small = message(["Date/Time 7/12/2026 14:05:09", "Added C:\\Data\\new.txt"])
    best_large = best_small = float("inf")
    for _ in range(rounds):
        start = time.perf_counter()
        smtplib_send(port, large)
        best_large = min(best_large, time.perf_counter() - start)
        start = time.perf_counter()
        for _ in range(100):
            smtplib_send(port, small)
        best_small = min(best_small, time.perf_counter() - start)
    return best_large, best_small


def run_bench(bench, emulator, server, *login):
    command = (emulator.split() if emulator else []) + [bench, server, *login]
    done = subprocess.run(command, capture_output=True, text=True, timeout=600, check=True)
    figures = dict(line.split() for line in done.stdout.splitlines() if line.strip())
    return float(figures["large_mail_seconds"]), float(figures["small_mails_seconds"])


def smtplib_starttls_send(port, context, data):
    with smtplib.SMTP("localhost", port) as client:
        client.starttls(context=context)
        client.login("bench", "bench pass")
        client.sendmail("monitor@example.com", ["admin@example.com"], data)


def run_starttls(args):
    """100 small mails over STARTTLS with AUTH: smtp_bench under the emulator
    (Schannel) against smtplib (OpenSSL), best of three rounds each."""
    with tempfile.TemporaryDirectory() as workdir:
        authority = make_authority(workdir, "authority")
        cert, key = make_server_certificate(workdir, "server", "authority")
        emulator = args.emulator.split() if args.emulator else []
        subprocess.run([*emulator, args.trust, "Z:" + authority.replace("/", "\\")], check=True,
                       capture_output=True)
        port = free_port()
        server = subprocess.Popen([PYTHON, os.path.join(MAIL_TESTS, "tls_smtp_server.py"),
                                   "--port", str(port), "--out", os.path.join(workdir, "out.jsonl"),
                                   "--cert", cert, "--key", key, "--mode", "starttls",
                                   "--user", "bench", "--password", "bench pass"],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            if server.stdout.readline().strip() != "READY":
                raise RuntimeError("server did not start")
            ours = run_bench(args.bench, args.emulator, f"localhost:{port}", "1", "bench",
                             "bench pass")[1]
            context = ssl.create_default_context(cafile=os.path.join(workdir, "authority.pem"))
            small = message(["Date/Time 7/12/2026 14:05:09", "Added C:\\Data\\new.txt"])
            theirs = float("inf")
            for _ in range(3):
                start = time.perf_counter()
                for _ in range(100):
                    smtplib_starttls_send(port, context, small)
                theirs = min(theirs, time.perf_counter() - start)
        finally:
            os.kill(server.pid, 15)
            server.wait(timeout=10)
            server.stdout.close()
    print(f"{'':28}{'smtp_bench':>12}{'smtplib':>12}{'ratio':>8}")
    print(f"{'100 STARTTLS mails (s)':28}{ours:12.3f}{theirs:12.3f}{ours / theirs:8.2f}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bench", required=True)
    parser.add_argument("--emulator", default="")
    parser.add_argument("--starttls", action="store_true")
    parser.add_argument("--trust", default="")
    args = parser.parse_args()
    if args.starttls:
        run_starttls(args)
        return
    port = free_port()
    server = subprocess.Popen([PYTHON, "-m", "aiosmtpd", "-n", "-l", f"127.0.0.1:{port}",
                               "-c", "aiosmtpd.handlers.Sink"], stdout=subprocess.DEVNULL)
    try:
        wait_until_listening(port, server)
        ours = run_bench(args.bench, args.emulator, f"127.0.0.1:{port}")
        theirs = run_smtplib(port)
    finally:
        os.kill(server.pid, 15)
        server.wait(timeout=10)
    print(f"{'':24}{'smtp_bench':>12}{'smtplib':>12}{'ratio':>8}")
    for name, a, b in (("1 MB mail (s)", ours[0], theirs[0]), ("100 small mails (s)", ours[1], theirs[1])):
        print(f"{name:24}{a:12.3f}{b:12.3f}{a / b:8.2f}")


if __name__ == "__main__":
    main()
