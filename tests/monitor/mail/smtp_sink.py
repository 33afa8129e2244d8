"""A real SMTP server (aiosmtpd) on 127.0.0.1 that appends every mail it
accepts to a JSON-lines file: envelope sender, recipients and the message
bytes as received (latin-1 text). Prints READY once it listens; runs until
terminated."""
import argparse
import json
import signal
import threading

from aiosmtpd.controller import Controller


class Recorder:
    def __init__(self, path):
        self.path = path

    async def handle_DATA(self, server, session, envelope):
        record = {
            "helo": session.host_name,
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "content": envelope.original_content.decode("latin-1"),
        }
        with open(self.path, "a", encoding="utf-8") as out:
            out.write(json.dumps(record) + "\n")
        return "250 Message accepted for delivery"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    serve_until_terminated(Controller(Recorder(args.out), hostname="127.0.0.1", port=args.port))


def serve_until_terminated(controller):
    """Starts controller, says READY, and stops it again on SIGTERM."""
    controller.start()
    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    print("READY", flush=True)
    stop.wait()
    controller.stop()


if __name__ == "__main__":
    main()
