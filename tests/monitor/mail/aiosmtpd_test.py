"""Sends mails with the test client to a real SMTP server (aiosmtpd) on
127.0.0.1 and checks what arrived: the envelope and the message byte for
byte, and the same read back by Python's email package and quopri."""
import argparse
import email
import email.utils
import json
import os
import quopri
import re
import tempfile

from mail_test_support import Checker, Client, Server, free_port

SENDER = "ann@example.com"
CHARSET = "windows-1252"
DATE = re.compile(r"Date: ((Mon|Tue|Wed|Thu|Fri|Sat|Sun), \d\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                  r"\d{4} \d\d:\d\d:\d\d [+-]\d{4})\r\n")
MESSAGE_ID = re.compile(r"Message-ID: (<[0-9a-f.]+@example\.com>)\r\n")


def display(name):
    if not any(c in name for c in '()<>[]:;@\\,."'):
        return name
    return '"' + name.replace("\\", "\\\\").replace('"', '\\"') + '"'


def stamps(content):
    """The Date and Message-ID values of a received message ("" when missing)."""
    date, message_id = DATE.search(content), MESSAGE_ID.search(content)
    return (date.group(1) if date else ""), (message_id.group(1) if message_id else "")


def expected_message(content, sender_name, recipients, subject, body, encoding="7bit",
                     charset="us-ascii"):
    """The message as the monitor composes it, dot transparency undone, with the
    date and message id that content carries."""
    lines = [f"From:     {display(sender_name)} <{SENDER}>"]
    for i, recipient in enumerate(recipients):
        lead = "To:       " if i == 0 else " " * 10
        end = ">," if i + 1 < len(recipients) else ">"
        lines.append(f"{lead}{display(recipient)} <{recipient}{end}"[:255])
    if subject:
        lines.append("Subject: " + subject)
    date, message_id = stamps(content)
    lines += ["Date: " + date, "Message-ID: " + message_id]
    lines += ["Mime-Version: 1.0", f'Content-Type: text/plain; charset="{charset}"',
              "Content-Transfer-Encoding: " + encoding, ""]
    return "".join(line + "\r\n" for line in lines)


class Mailing:
    def __init__(self, client, workdir):
        self.client = client
        self.workdir = workdir
        self.outbox = os.path.join(workdir, "received.jsonl")
        self.count = 0

    def send(self, server, sender_name, sender, recipients, subject, body):
        body_path = os.path.join(self.workdir, f"body{self.count}.txt")
        self.count += 1
        with open(body_path, "wb") as out:
            out.write("".join(line + "\n" for line in body).encode("latin-1"))
        args = ["--server", server, "--sender-name", sender_name, "--sender", sender,
                "--subject", subject, "--body-file", self.client.path(body_path), "--timeout", "20",
                "--charset", CHARSET]
        for recipient in recipients:
            args += ["--to", recipient]
        return self.client.run(*args)

    def received(self):
        if not os.path.exists(self.outbox):
            return []
        with open(self.outbox, encoding="utf-8") as records:
            return [json.loads(line) for line in records]


def check_plain_mail(check, mailing, server):
    body = ["Date/Time 7/12/2026 14:05:09", "Added C:\\data\\report.txt", ".", ".hidden", ""]
    recipients = ["bob@example.com", "carl.d@example.com"]
    code, out, _ = mailing.send(server, "A. Lee", SENDER, recipients, "Folder changes", body)
    check.equal("plain: client result", (code, out[0]), (0, "OK"))
    mail = mailing.received()[-1]
    check.equal("plain: envelope sender", mail["mail_from"], SENDER)
    check.equal("plain: envelope recipients", mail["rcpt_tos"], recipients)
    check.true("plain: HELO name", bool(mail["helo"]), repr(mail["helo"]))
    expected = expected_message(mail["content"], "A. Lee", recipients, "Folder changes", body)
    expected += "".join(line + "\r\n" for line in body) + "\r\n"
    check.equal("plain: message bytes", mail["content"], expected)

    parsed = email.message_from_bytes(mail["content"].encode("latin-1"))
    check.equal("plain: From", email.utils.parseaddr(parsed["From"]), ("A. Lee", SENDER))
    check.equal("plain: To", [address for _, address in email.utils.getaddresses([parsed["To"]])], recipients)
    check.equal("plain: Subject", parsed["Subject"], "Folder changes")
    check.equal("plain: body", parsed.get_payload(decode=True).decode("ascii").split("\r\n")[:len(body)], body)
    check.true("plain: date", email.utils.parsedate_to_datetime(parsed["Date"]) is not None, parsed["Date"])
    check.true("plain: message id", bool(parsed["Message-ID"]), repr(parsed["Message-ID"]))


def check_quoted_printable_mail(check, mailing, server):
    long_line = " ".join(f"C:\\folder\\file{i}=x\xe9.txt" for i in range(20)) + "  "
    body = ["Date/Time 7/12/2026 14:05:09", long_line, ".starts with a dot", "tab\there"]
    code, out, _ = mailing.send(server, "", SENDER, ["bob@example.com"], "", body)
    check.equal("qp: client result", (code, out[0]), (0, "OK"))
    content = mailing.received()[-1]["content"]
    headers, _, encoded = content.partition("\r\n\r\n")
    check.equal("qp: headers", headers + "\r\n\r\n",
                expected_message(content, "", ["bob@example.com"], "", body, "quoted-printable", CHARSET))
    for line in encoded.split("\r\n"):
        check.true("qp: 7-bit line", all(32 <= ord(c) < 127 for c in line), repr(line))
    for line in encoded.split("\r\n"):
        check.true("qp: line of at most 76 characters", len(line) <= 76, repr(line))
    decoded = quopri.decodestring(encoded.encode("ascii")).decode("latin-1")
    check.equal("qp: decoded body", decoded, "\r\n".join(body) + "\r\n\r\n")
    parsed = email.message_from_bytes(content.encode("latin-1"))
    check.equal("qp: no subject header", parsed["Subject"], None)
    check.equal("qp: transfer encoding", parsed["Content-Transfer-Encoding"], "quoted-printable")
    check.equal("qp: payload", parsed.get_payload(decode=True).decode("latin-1").split("\r\n")[:4], body)


def check_accented_names(check, mailing, server):
    """A summary with accented file names reads the same in a mail reader."""
    body = ["Date/Time 7/12/2026 14:05:09", " ", "Added C:\\donn\xe9es\\caf\xe9 cr\xe8me.txt",
            "Deleted C:\\\xc4rger \xfcber \xdf.doc"]
    code, out, _ = mailing.send(server, "Smith, John", SENDER, ["bob@example.com"], "Changes", body)
    check.equal("accents: client result", (code, out[0]), (0, "OK"))
    parsed = email.message_from_bytes(mailing.received()[-1]["content"].encode("latin-1"))
    check.equal("accents: charset", parsed.get_content_charset(), CHARSET)
    check.equal("accents: text", parsed.get_payload(decode=True).decode(CHARSET).split("\r\n")[:4], body)
    check.equal("accents: sender", email.utils.parseaddr(parsed["From"]), ("Smith, John", SENDER))


def check_injection(check, mailing, server):
    before = len(mailing.received())
    code, out, _ = mailing.send(server, "Ann\r\nX-Injected: 1", SENDER, ["bob@example.com"],
                                "Hi\r\nBcc: eve@example.com", ["x"])
    check.equal("injection: client result", (code, out[0]), (0, "OK"))
    received = mailing.received()
    check.equal("injection: one mail", len(received), before + 1)
    parsed = email.message_from_bytes(received[-1]["content"].encode("latin-1"))
    check.equal("injection: recipients", received[-1]["rcpt_tos"], ["bob@example.com"])
    check.equal("injection: subject", parsed["Subject"], "Hi  Bcc: eve@example.com")
    check.equal("injection: no Bcc", parsed["Bcc"], None)
    check.equal("injection: no extra header", parsed["X-Injected"], None)


def check_missing_sender(check, mailing, server):
    before = len(mailing.received())
    code, out, _ = mailing.send(server, "Ann", "", ["bob@example.com"], "s", ["x"])
    check.equal("no sender: error", (code, out[0], out[1]),
                (1, "ERROR EMessageError", "The address of sender is required"))
    check.equal("no sender: nothing delivered", len(mailing.received()), before)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--client", required=True)
    parser.add_argument("--emulator", default="")
    args = parser.parse_args()
    check = Checker()
    with tempfile.TemporaryDirectory() as workdir:
        mailing = Mailing(Client(args.client, args.emulator), workdir)
        port = free_port()
        with Server("smtp_sink.py", "--port", str(port), "--out", mailing.outbox):
            server = f"127.0.0.1:{port}"
            check_plain_mail(check, mailing, server)
            check_quoted_printable_mail(check, mailing, server)
            check_accented_names(check, mailing, server)
            check_injection(check, mailing, server)
            check_missing_sender(check, mailing, server)
    check.finish()


if __name__ == "__main__":
    main()
