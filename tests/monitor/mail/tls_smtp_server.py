"""A real SMTP server (aiosmtpd) on 127.0.0.1 that requires TLS (STARTTLS, or
TLS from the first byte) and AUTH with one user and password. It appends a
JSON line to --out for every AUTH attempt ({"auth": [user, password]}) and for
every mail accepted (envelope, message and the TLS version of the session).
Prints READY once it listens; runs until terminated."""
import argparse
import json
import ssl

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword
from smtp_sink import serve_until_terminated


class Recorder:
    def __init__(self, path, user, password):
        self.path = path
        self.user = user
        self.password = password

    def write(self, record):
        with open(self.path, "a", encoding="utf-8") as out:
            out.write(json.dumps(record) + "\n")

    def authenticate(self, server, session, envelope, mechanism, auth_data):
        if not isinstance(auth_data, LoginPassword):
            return AuthResult(success=False, handled=False)
        user, password = auth_data.login.decode("latin-1"), auth_data.password.decode("latin-1")
        self.write({"auth": [user, password], "mechanism": mechanism})
        return AuthResult(success=(user, password) == (self.user, self.password), handled=False)

    async def handle_DATA(self, server, session, envelope):
        tls = server.transport.get_extra_info("ssl_object")
        self.write({
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "content": envelope.original_content.decode("latin-1"),
            "tls_version": tls.version() if tls else None,
            "cipher": tls.cipher()[0] if tls else None,
        })
        return "250 Message accepted for delivery"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--mode", choices=["starttls", "tls"], required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    args = parser.parse_args()
    # Python's default server settings, as a provider's server would have them.
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(args.cert, args.key)
    recorder = Recorder(args.out, args.user, args.password)
    common = dict(hostname="127.0.0.1", port=args.port, authenticator=recorder.authenticate,
                  auth_required=True)
    if args.mode == "starttls":
        controller = Controller(recorder, tls_context=context, require_starttls=True, **common)
    else:
        controller = Controller(recorder, ssl_context=context, auth_require_tls=False, **common)
    serve_until_terminated(controller)


if __name__ == "__main__":
    main()
