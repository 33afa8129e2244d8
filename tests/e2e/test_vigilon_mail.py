"""Vigilon mails its summary over SMTP to a real server on 127.0.0.1 (aiosmtpd)."""
import email
import email.utils
import json
import os
import socket
import subprocess
import sys
import unittest

from testbed import BUILD, REPO, wait_until, wine_path
from vigilon_case import CAPTION, KEY, MESSAGE, WINDOW_CLASS, FolderReads, VigilonCase

MAIL_TESTS = os.path.join(REPO, "tests", "monitor", "mail")
SINK = os.path.join(MAIL_TESTS, "smtp_sink.py")
TLS_SERVER = os.path.join(MAIL_TESTS, "tls_smtp_server.py")
sys.path.insert(0, MAIL_TESTS)
from tls_mail_test import make_authority, make_server_certificate  # noqa: E402

IDC_ACTIVATE = 1013
IDC_PASSWORD = 1518


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class VigilonMail(VigilonCase):
    def setUp(self):
        super().setUp()
        self.port = free_port()
        self.mails = os.path.join(self.tmp, "mails.jsonl")
        self.server = None
        self.start_server()
        self.second = os.path.join(self.tmp, "second")
        os.makedirs(self.second)
        with open(os.path.join(self.second, "doomed.txt"), "w") as f:
            f.write("x")

    def tearDown(self):
        self.stop_server()
        super().tearDown()

    def start_server(self):
        self.server = subprocess.Popen([sys.executable, SINK, "--port", str(self.port), "--out", self.mails],
                                       stdout=subprocess.PIPE, text=True)
        self.assertEqual(self.server.stdout.readline().strip(), "READY")

    def stop_server(self):
        if self.server and self.server.poll() is None:
            self.server.terminate()
            self.server.wait(10)
        if self.server:
            self.server.stdout.close()
        self.server = None

    def received(self):
        if not os.path.exists(self.mails):
            return []
        with open(self.mails) as f:
            return [json.loads(line) for line in f]

    def wait_mails(self, count, timeout=30):
        self.assertTrue(wait_until(lambda: len(self.received()) >= count, timeout),
                        f"expected {count} mails, got {len(self.received())}")
        return self.received()

    def configure_mail(self):
        self.configure(AutoStart="1", Nsecs="5", SoundAlarm="0", MAPI="0",
                       Server=f"127.0.0.1:{self.port}", Sender="Vigilon Test",
                       SendEmail="vigilon@example.org", Subject="Folder changes",
                       NumRecip="2", Recip1="first@example.org", Recip2="second@example.org")
        self.reg_set(KEY + r"\Start", "Dir2", wine_path(self.second))

    def body_lines(self, mail):
        message = email.message_from_string(mail["content"])
        return message, message.get_payload(decode=True).decode("latin-1").split("\r\n")

    def date_blocks(self, lines):
        return sum(1 for line in lines if line.startswith("Date/Time "))

    def test_each_change_is_mailed_once_however_long_the_server_is_down(self):
        self.configure_mail()
        # Dir2 is listed last: once it is closed again, a scan is over.
        scans = FolderReads(self.second)
        self.addCleanup(scans.close)
        program = self.start_active()
        self.assertTrue(scans.wait_more(3, 60), "three scans did not come")
        self.assertEqual(self.received(), [])  # quiet scans send nothing
        self.touch("added.txt")
        os.remove(os.path.join(self.second, "doomed.txt"))
        first = self.wait_mails(1)[0]
        self.assertEqual(self.visible_windows(CAPTION), [])
        self.assertEqual(first["mail_from"], "vigilon@example.org")
        self.assertEqual(first["rcpt_tos"], ["first@example.org", "second@example.org"])
        message, lines = self.body_lines(first)
        self.assertEqual(message["Subject"], "Folder changes")
        self.assertIn("first@example.org", message["To"])
        self.assertIn("second@example.org", message["To"])
        self.assertIn("vigilon@example.org", message["From"])
        # The three quiet scans left nothing: one block.
        self.assertEqual(self.date_blocks(lines), 1)
        self.assertTrue(lines[0].startswith("Date/Time "))
        self.assertEqual(lines[1:4], [" ", f"Deleted {wine_path(self.second)}\\doomed.txt",
                                      f"Added {wine_path(self.folder)}\\added.txt"])

        # Server gone: one error box, and nobody clicks it. Scans and retries go on
        # behind it for three more scans; the mail after names the deletion once.
        self.stop_server()
        os.remove(os.path.join(self.folder, "present.txt"))
        box = self.wait_window(MESSAGE, timeout=30)
        self.screenshot("vigilon-mail-error")
        self.assertTrue(scans.wait_more(3, 60), "the scans stopped behind the error box")
        self.start_server()
        mails = self.wait_mails(2)
        self.assertEqual(self.visible_windows(MESSAGE), [box])
        _, lines = self.body_lines(mails[1])
        deleted = f"Deleted {wine_path(self.folder)}\\present.txt"
        self.assertEqual(self.date_blocks(lines), 1)
        self.assertEqual(lines.count(deleted), 1)
        self.press(box, "Return")
        self.assertTrue(wait_until(lambda: not self.visible_windows(MESSAGE), 10))

        # After a success the summary starts empty again.
        self.touch("later.txt")
        mails = self.wait_mails(3)
        _, lines = self.body_lines(mails[2])
        self.assertEqual(self.date_blocks(lines), 1)
        self.assertNotIn(deleted, lines)
        self.assertIsNone(program.poll())

    def test_accented_file_names_read_the_same_in_a_mail_reader(self):
        self.configure_mail()
        self.start_active()
        name = "caf\xe9 cr\xe8me \xc4rger.txt"
        self.touch(name)
        message, _ = self.body_lines(self.wait_mails(1)[0])
        charset = message.get_content_charset()
        self.assertEqual(charset, "windows-1252")
        self.assertEqual(message["Content-Transfer-Encoding"], "quoted-printable")
        self.assertIn(f"Added {wine_path(self.folder)}\\{name}",
                      message.get_payload(decode=True).decode(charset).split("\r\n"))
        self.assertIsNotNone(email.utils.parsedate_to_datetime(message["Date"]))
        self.assertTrue(message["Message-ID"].endswith("@example.org>"))

    def test_mail_over_starttls_with_the_password_typed_once(self):
        """The user picks STARTTLS, a user and a password in the window; the mail goes
        out with them, the password is stored only as DPAPI made it, and a later start
        with an empty password box logs in with the stored one."""
        authority = make_authority(self.tmp, "authority")
        certificate = make_server_certificate(self.tmp, "server", "authority")
        self.run_wine(os.path.join(BUILD, "bin", "trust_certificate.exe"), wine_path(authority))
        password = "app pass 7"
        port = free_port()
        self.stop_server()
        self.server = subprocess.Popen(
            [sys.executable, TLS_SERVER, "--port", str(port), "--out", self.mails, "--cert", certificate[0],
             "--key", certificate[1], "--mode", "starttls", "--user", "ann", "--password", password],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.assertEqual(self.server.stdout.readline().strip(), "READY")
        self.configure_mail()
        self.configure(AutoStart="0", Server=f"localhost:{port}", Security="1", User="ann")
        program = self.start("Vigilon.exe")
        self.wait_window(CAPTION, timeout=60)
        self.assertTrue(self.poke("settext", WINDOW_CLASS, str(IDC_PASSWORD), password))
        self.assertTrue(self.poke("click", WINDOW_CLASS, str(IDC_ACTIVATE)))
        self.assertTrue(wait_until(lambda: not self.visible_windows(CAPTION), 30))
        self.touch("secure.txt")
        self.assertTrue(wait_until(lambda: [m for m in self.received() if "content" in m], 60), "no mail")
        logins = [m["auth"] for m in self.received() if "auth" in m]
        self.assertEqual(logins, [["ann", password]])
        stored = self.opts()
        self.assertEqual(self.reg_values(KEY + r"\Opts")["Password"][0], "REG_BINARY")
        self.assertNotIn(password.encode().hex().upper(), stored["Password"].upper())
        self.assertEqual((stored["Security"], stored["User"]), ("1", "ann"))
        mail = [m for m in self.received() if "content" in m][0]
        self.assertEqual(mail["tls_version"], "TLSv1.2")
        self.assertIn(f"Added {wine_path(self.folder)}\\secure.txt", self.body_lines(mail)[1])

        self.poke("post", WINDOW_CLASS, "16", "0", "0")  # WM_CLOSE: the settings are written
        self.assertTrue(wait_until(lambda: program.poll() is not None, 30))
        self.reg_set(KEY + r"\Opts", "AutoStart", "1")
        self.start_active()
        self.touch("second.txt")
        self.assertTrue(wait_until(lambda: len([m for m in self.received() if "content" in m]) >= 2, 60))
        self.assertEqual([m["auth"] for m in self.received() if "auth" in m], [["ann", password]] * 2)

if __name__ == "__main__":
    unittest.main(verbosity=2)
