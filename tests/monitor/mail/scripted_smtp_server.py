"""A scripted SMTP server on 127.0.0.1 that misbehaves on purpose. It serves
one connection at a time, logs every line it receives (and "<eof>" when the
client closes) to the transcript file, ends each session's log with
"<closed>" once it has closed its side, and answers as its mode says:

  normal        a plain, accepting server
  multiline     greets with "220-first" and "220 second"
  helo-refused  refuses "HELO name" with 501, accepts bare "HELO"
  reject-rcpt   refuses every recipient with 550
  silence       greets, then never answers
  reset         greets, then resets the connection after HELO
  close-mid     greets, then sends "25" and closes after HELO
  long-line     greets with a 2000-character line
  garbage       greets with a line that has no reply code

Prints READY once it listens (BIND-FAILED and ends when the port cannot be
had); runs until terminated."""
import argparse
import socket
import struct

SESSION_OVER = b"<closed>"
REJECT = b"550 5.1.1 <nobody@example.com>: Recipient address rejected\r\n"


class Session:
    def __init__(self, conn, mode, transcript):
        self.conn = conn
        self.mode = mode
        self.transcript = transcript
        self.reader = conn.makefile("rb")

    def log(self, text):
        with open(self.transcript, "ab") as out:
            out.write(text + b"\n")

    def readline(self):
        line = self.reader.readline()
        if not line:
            self.log(b"<eof>")
            return None
        self.log(line.rstrip(b"\r\n"))
        return line

    def send(self, data):
        self.conn.sendall(data)

    def greet(self):
        greetings = {
            "multiline": b"220-first\r\n220 second\r\n",
            "long-line": b"220 " + b"x" * 2000 + b"\r\n",
            "garbage": b"hello there\r\n",
        }
        self.send(greetings.get(self.mode, b"220 scripted ready\r\n"))

    def data(self):
        self.send(b"354 end with .\r\n")
        while True:
            line = self.reader.readline()
            if not line or line == b".\r\n":
                break
        self.log(b"<data>")
        self.send(b"250 queued\r\n")

    def after_helo(self):
        """Misbehaviour after the greeting; returns False when the session ends."""
        if self.mode == "reset":
            self.conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.conn.close()
            return False
        if self.mode == "close-mid":
            self.send(b"25")
            self.conn.shutdown(socket.SHUT_RDWR)
            return False
        return True

    def answer(self, command):
        verb = command.split(b" ", 1)[0].upper()
        if verb == b"HELO":
            if self.mode == "helo-refused" and command.strip() != b"HELO":
                self.send(b"501 5.5.4 name refused\r\n")
                return True
            self.send(b"250 scripted\r\n")
            return self.after_helo()
        if verb == b"RCPT" and self.mode == "reject-rcpt":
            self.send(REJECT)
        elif verb == b"DATA":
            self.data()
        elif verb == b"QUIT":
            self.send(b"221 bye\r\n")
            return False
        else:
            self.send(b"250 ok\r\n")
        return True

    def run(self):
        self.greet()
        while True:
            line = self.readline()
            if line is None:
                return
            if self.mode == "silence":
                continue
            if not self.answer(line.rstrip(b"\r\n")):
                if self.mode not in ("reset", "close-mid"):
                    self.readline()  # logs "<eof>" once the client has closed too
                return


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--mode", required=True)
    parser.add_argument("--transcript", required=True)
    args = parser.parse_args()
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    try:
        listener.bind(("127.0.0.1", args.port))
    except OSError as error:
        print("BIND-FAILED", error, flush=True)
        return
    listener.listen(5)
    print("READY", flush=True)
    while True:
        conn, _ = listener.accept()
        try:
            Session(conn, args.mode, args.transcript).run()
        except OSError:
            pass
        finally:
            conn.close()
            with open(args.transcript, "ab") as out:
                out.write(SESSION_OVER + b"\n")


if __name__ == "__main__":
    main()
