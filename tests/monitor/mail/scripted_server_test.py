"""Runs the test client against scripted SMTP servers on 127.0.0.1 that
misbehave (multi-line greeting, refused HELO, rejected recipient, silence,
reset, close mid-reply, over-long and code-less replies) and against a
closed port, and the port choice on fixed ports. Checks the client's result
and error text, how long it took, and what the server saw: which commands
arrived and that the client closed its connection."""
import argparse
import os
import tempfile

from mail_test_support import Checker, Client, Server, free_port, read_lines, wait_until

ENVELOPE = [b"MAIL FROM:<ann@example.com>", b"RCPT TO:<nobody@example.com>", b"DATA", b"<data>", b"QUIT", b"<eof>"]
TIMEOUT = 2
# How long the server may take, on a loaded machine, to finish a session the client has left.
SESSION_END_LIMIT = 60

CASES = [
    # mode, expected output lines, expected transcript (None: HELO name not checked)
    ("normal", ["OK"], ["HELO *"] + ENVELOPE),
    ("multiline", ["OK"], ["HELO *"] + ENVELOPE),
    ("helo-refused", ["OK"], ["HELO *", b"HELO"] + ENVELOPE),
    ("reject-rcpt", ["ERROR EServerError", "550 5.1.1 <nobody@example.com>: Recipient address rejected"],
     ["HELO *", ENVELOPE[0], ENVELOPE[1], b"QUIT", b"<eof>"]),
    ("silence", ["ERROR ETimedOutError", "Operation timed out"], ["HELO *", b"<eof>"]),
    ("reset", ["ERROR ESocketError", "Error #10054*"], ["HELO *"]),
    ("close-mid", ["ERROR EServerError", "25"], ["HELO *"]),
    ("long-line", ["ERROR EServerError", "220 " + "x" * 1020], []),
    ("garbage", ["ERROR EServerError", "hello there"], [b"QUIT", b"<eof>"]),
]


def output_matches(lines, expected):
    """Output lines against expected ones; an expected line ending in "*" is a prefix."""
    if len(lines) < len(expected):
        return False
    return all(line.startswith(pattern[:-1]) if pattern.endswith("*") else line == pattern
               for line, pattern in zip(lines, expected))


def transcript_matches(lines, expected):
    if len(lines) != len(expected):
        return False
    for line, pattern in zip(lines, expected):
        if pattern == "HELO *":
            if not line.startswith(b"HELO ") or len(line) <= 5:
                return False
        elif line != pattern:
            return False
    return True


def session_transcript(path):
    """The lines the server logged for its one session, once it has closed it;
    None when it did not close it in time."""
    lines = wait_until(lambda: read_lines(path)[-1:] == [b"<closed>"] and read_lines(path),
                       SESSION_END_LIMIT)
    return lines[:-1] if lines else None


def run_case(check, client, workdir, mode, expected_output, expected_transcript):
    transcript = os.path.join(workdir, mode + ".log")
    port = free_port()
    with Server("scripted_smtp_server.py", "--port", str(port), "--mode", mode, "--transcript", transcript):
        code, out, seconds = client.run("--server", f"127.0.0.1:{port}", "--sender", "ann@example.com",
                                        "--to", "nobody@example.com", "--subject", mode,
                                        "--timeout", str(TIMEOUT))
        check.equal(f"{mode}: exit code", code, 0 if expected_output == ["OK"] else 1)
        check.true(f"{mode}: output", output_matches(out, expected_output), repr(out))
        # Each wait gives up after TIMEOUT seconds; allow for the emulator's start-up.
        check.true(f"{mode}: finished in time", seconds < TIMEOUT + 20, f"took {seconds:.1f} s")
        lines = session_transcript(transcript)
    check.true(f"{mode}: transcript", lines is not None and transcript_matches(lines, expected_transcript),
               repr(lines or read_lines(transcript)))


def run_fixed_port(check, client, workdir, port, server_text):
    """The port choice on a real connection: ":2525" connects there; a port
    that is not a number falls back to the service lookup of "smtp" (25).
    Fixed ports may be taken or privileged on the test machine: the case is
    then reported as skipped."""
    transcript = os.path.join(workdir, f"port{port}.log")
    try:
        server = Server("scripted_smtp_server.py", "--port", str(port), "--mode", "normal",
                        "--transcript", transcript)
    except RuntimeError as error:
        print(f"SKIP {server_text}: {error}")
        return
    with server:
        code, out, _ = client.run("--server", server_text, "--sender", "ann@example.com",
                                  "--to", "nobody@example.com", "--timeout", str(TIMEOUT))
        lines = session_transcript(transcript)
    check.equal(f"{server_text}: result", (code, out[0]), (0, "OK"))
    check.true(f"{server_text}: transcript",
               lines is not None and transcript_matches(lines, ["HELO *"] + ENVELOPE), repr(lines))


def run_refused(check, client):
    port = free_port()  # nothing listens there
    code, out, _ = client.run("--server", f"127.0.0.1:{port}", "--sender", "ann@example.com",
                              "--to", "bob@example.com", "--timeout", str(TIMEOUT))
    check.equal("refused: exit code", code, 1)
    # The number, the system's text where it has one, and the server.
    check.true("refused: output", output_matches(out, ["ERROR ESocketError", "Error #10061*"])
               and out[1].endswith(f"(127.0.0.1:{port})"), repr(out))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--client", required=True)
    parser.add_argument("--emulator", default="")
    args = parser.parse_args()
    check = Checker()
    client = Client(args.client, args.emulator)
    with tempfile.TemporaryDirectory() as workdir:
        for mode, output, transcript in CASES:
            run_case(check, client, workdir, mode, output, transcript)
        run_fixed_port(check, client, workdir, 2525, "127.0.0.1:2525")
        run_fixed_port(check, client, workdir, 25, "127.0.0.1:letters")
    run_refused(check, client)
    check.finish()


if __name__ == "__main__":
    main()
