"""Mails through STARTTLS and TLS from the first byte with AUTH, sent by the
test client under Wine (the system's Schannel) to aiosmtpd on 127.0.0.1. The
certificates are made for the run with openssl, signed by a test authority
that trust_certificate adds to the prefix's current-user Root store; a second
authority is never trusted. Prints the TLS version each server saw."""
import argparse
import json
import os
import subprocess
import tempfile

from mail_test_support import Checker, Client, Server, free_port

SENDER = "ann@example.com"
USER = "ann@example.com"
PASSWORD = "app pass: 7\xe9x"  # a space, a colon and a byte above 127 go through AUTH intact


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True, capture_output=True)


def make_authority(workdir, name):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", f"{name}.key",
            "-out", f"{name}.pem", "-days", "2", "-subj", f"/CN=Vigilon {name} authority",
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=workdir)
    openssl("x509", "-in", f"{name}.pem", "-outform", "DER", "-out", f"{name}.der", cwd=workdir)
    return os.path.join(workdir, f"{name}.der")


def make_server_certificate(workdir, name, authority, days=2):
    """A certificate for "localhost" signed by the authority; returns (cert, key) paths.
    With days=0 it ends the second it is made."""
    with open(os.path.join(workdir, "server.ext"), "w") as ext:
        ext.write("subjectAltName=DNS:localhost\nextendedKeyUsage=serverAuth\n"
                  "basicConstraints=CA:FALSE\nkeyUsage=digitalSignature,keyEncipherment\n")
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", f"{name}.key", "-out",
            f"{name}.csr", "-subj", "/CN=localhost", cwd=workdir)
    openssl("x509", "-req", "-in", f"{name}.csr", "-CA", f"{authority}.pem", "-CAkey",
            f"{authority}.key", "-CAcreateserial", "-out", f"{name}.pem", "-days", str(days),
            "-extfile", "server.ext", cwd=workdir)
    return os.path.join(workdir, f"{name}.pem"), os.path.join(workdir, f"{name}.key")


class TlsServer(Server):
    def __init__(self, workdir, name, mode, certificate):
        self.port = free_port()
        self.out = os.path.join(workdir, f"{name}.jsonl")
        cert, key = certificate
        super().__init__("tls_smtp_server.py", "--port", str(self.port), "--out", self.out,
                         "--cert", cert, "--key", key, "--mode", mode, "--user", USER,
                         "--password", PASSWORD)

    def records(self, kind):
        if not os.path.exists(self.out):
            return []
        with open(self.out, encoding="utf-8") as lines:
            return [r for r in map(json.loads, lines) if kind in r]


def send(client, server, security, user=USER, password=PASSWORD, subject="Folder changes"):
    return client.run("--server", server, "--security", str(security), "--user", user,
                      "--password", password, "--sender", SENDER, "--to", "bob@example.com",
                      "--subject", subject, "--timeout", "20", "--charset", "windows-1252")


def check_delivery(check, client, server, security, what):
    code, out, seconds = send(client, f"localhost:{server.port}", security, subject=what)
    check.equal(f"{what}: client result", (code, out[:2]), (0, ["OK", ""]))
    mails = server.records("content")
    check.true(f"{what}: mail arrived", bool(mails) and f"Subject: {what}\r\n" in mails[-1]["content"])
    check.equal(f"{what}: login seen", server.records("auth")[-1:], [{"auth": [USER, PASSWORD], "mechanism": "PLAIN"}])
    if mails:
        print(f"{what}: {mails[-1]['tls_version']} {mails[-1]['cipher']} in {seconds:.2f} s")
        check.equal(f"{what}: TLS version", mails[-1]["tls_version"], "TLSv1.2")


def check_failure(check, client, server, address, security, expected, what, password=PASSWORD):
    mails, logins = len(server.records("content")), len(server.records("auth"))
    code, out, _ = send(client, address, security, password=password)
    check.equal(f"{what}: error", (code, out[1] if len(out) > 1 else ""), (1, expected))
    check.equal(f"{what}: no mail", len(server.records("content")), mails)
    return len(server.records("auth")) - logins


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--client", required=True)
    parser.add_argument("--trust", required=True)
    parser.add_argument("--emulator", default="")
    args = parser.parse_args()
    check = Checker()
    client = Client(args.client, args.emulator)
    with tempfile.TemporaryDirectory() as workdir:
        trusted = make_authority(workdir, "trusted")
        make_authority(workdir, "unknown")
        good = make_server_certificate(workdir, "good", "trusted")
        rogue = make_server_certificate(workdir, "rogue", "unknown")
        # Made first, so the deliveries below have long outlived it when it is used.
        expired = make_server_certificate(workdir, "expired", "trusted", days=0)
        code, _, _ = Client(args.trust, args.emulator).run(client.path(trusted))
        check.equal("test authority trusted", code, 0)
        with TlsServer(workdir, "starttls", "starttls", good) as starttls, \
                TlsServer(workdir, "tls", "tls", good) as tls, \
                TlsServer(workdir, "rogue", "starttls", rogue) as untrusted, \
                TlsServer(workdir, "expired", "tls", expired) as outdated:
            check_delivery(check, client, starttls, 1, "STARTTLS")
            check_delivery(check, client, tls, 2, "TLS")
            logins = check_failure(check, client, untrusted, f"localhost:{untrusted.port}", 1,
                                   f"The server's certificate is not trusted (localhost:{untrusted.port})",
                                   "unknown authority")
            check.equal("unknown authority: no AUTH", logins, 0)
            logins = check_failure(check, client, tls, f"127.0.0.1:{tls.port}", 2,
                                   f"The server's certificate is made out to another name (127.0.0.1:{tls.port})",
                                   "wrong name")
            check.equal("wrong name: no AUTH", logins, 0)
            logins = check_failure(check, client, outdated, f"localhost:{outdated.port}", 2,
                                   f"The server's certificate has expired (localhost:{outdated.port})",
                                   "expired")
            check.equal("expired: no AUTH", logins, 0)
            check_failure(check, client, starttls, f"localhost:{starttls.port}", 1,
                          "535 5.7.8 Authentication credentials invalid", "wrong password",
                          password="wrong")
            logins = check_failure(check, client, starttls, f"localhost:{starttls.port}", 0,
                                   "A user name is only sent over a secure connection: choose "
                                   "STARTTLS or TLS (nothing was sent)", "user without TLS")
            check.equal("user without TLS: no AUTH", logins, 0)
    check.finish()


if __name__ == "__main__":
    main()
