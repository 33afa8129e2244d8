#!/usr/bin/python3
"""Independent check of ReadTag, ReadId3v2 and WriteID3: MP3-like files tagged
with ID3v1 by Debian's python3-mutagen are read back by ReadTag (through the
jukebox_readtag helper), and the fields must equal both what was given to
mutagen and what mutagen's own ID3v1 parser finds in the file. Files tagged
only with ID3v2 (2.3 and 2.4, every text encoding, pictures, padding) by
mutagen are read back by ReadId3v2 as mutagen was given them. Tags written by
WriteID3 (through the jukebox_writetag helper) must read back through mutagen's
parser as written, and DeleteID3 must give back the untagged bytes.

usage: mutagen_tag_check.py <jukebox_readtag> <work folder> [<jukebox_writetag>]
"""
import os
import random
import shutil
import subprocess
import sys

from mutagen._constants import GENRES as GENRE_NAMES
from mutagen.id3 import APIC, ID3, TALB, TCON, TDRC, TIT2, TPE1, TRCK, COMM
from mutagen.id3._id3v1 import ParseID3v1

GENRES = {"Blues": 0, "Jazz": 8, "Metal": 9, "Pop": 13, "Rock": 17, "Techno": 18}
LATIN1 = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-'!&()éüßÆø"


def mp3_like(path, audio_bytes, rng):
    # An MPEG-1 Layer III frame header followed by filler.
    with open(path, "wb") as f:
        f.write(b"\xff\xfb\x90\x64" + bytes(rng.randrange(256) for _ in range(audio_bytes)))


def tag_file(path, fields, v1=2):
    tags = ID3()
    if fields.get("title") is not None:
        tags.add(TIT2(encoding=3, text=fields["title"]))
    if fields.get("artist") is not None:
        tags.add(TPE1(encoding=3, text=fields["artist"]))
    if fields.get("album") is not None:
        tags.add(TALB(encoding=3, text=fields["album"]))
    if fields.get("year") is not None:
        tags.add(TDRC(encoding=3, text=fields["year"]))
    if fields.get("genre") is not None:
        tags.add(TCON(encoding=3, text=fields["genre"]))
    if fields.get("track") is not None:
        tags.add(TRCK(encoding=3, text=str(fields["track"])))
    if fields.get("comment") is not None:
        # mutagen's ID3v1 writer takes the comment from the frame keyed "COMM".
        tags["COMM"] = COMM(encoding=3, lang="eng", desc="", text=fields["comment"])
    tags.save(path, v1=v1)


def read_tags(tool, paths, v2=False):
    args = [tool] + (["--v2"] if v2 else []) + paths
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    results, current = [], None
    for line in out.splitlines():
        if line == "NOTAG":
            results.append(None)
        elif line in ("TAG", "ID3V2"):
            current = {}
            results.append(current)
        else:
            name, value = line.split(" ", 1)
            current[name] = int(value) if name == "genre" else bytes.fromhex(value)
    if len(results) != len(paths):
        raise AssertionError("helper printed %d results for %d paths" % (len(results), len(paths)))
    return results


def expected_text(text, width):
    raw = (text or "").encode("latin1")[:width]
    return raw.split(b"\0")[0].ljust(width, b" ")


def write_tag(tool, path, fields):
    texts = [fields[k].encode("latin1").hex() for k in ("title", "artist", "album", "year", "comment")]
    return subprocess.run([tool, "write", path, *texts, str(fields["genre"])],
                          check=True, capture_output=True, text=True).stdout.strip()


def delete_tag(tool, path):
    return subprocess.run([tool, "delete", path], check=True, capture_output=True,
                          text=True).stdout.strip()


def check_writes(tool, work, rng, failures):
    """Tags written by WriteID3, read by mutagen; deleting restores the file."""
    cases = [
        dict(title="Hello", artist="Some Band", album="First Album", year="1999",
             comment="nice one", genre=17),
        dict(title="T" * 35, artist="Héllo Wörld ßæø", album="", year="2024", comment="",
             genre=255),
        dict(title="x", artist="y", album="z" * 30, year="1970", comment="c" * 28, genre=0),
    ]
    for _ in range(20):
        def rnd(n):
            return "".join(rng.choice(LATIN1) for _ in range(rng.randrange(n))).strip()
        cases.append(dict(title=rnd(40), artist=rnd(40), album=rnd(40),
                          year=str(rng.randrange(1900, 2100)), comment=rnd(28),
                          genre=rng.choice([0, 13, 79, 147, 255])))
    for i, fields in enumerate(cases):
        path = os.path.join(work, "written%02d.mp3" % i)
        mp3_like(path, rng.choice([200, 5000]), rng)
        if i % 2:
            tag_file(path, dict(title="old v1 tag"))  # a tag there already is overwritten
        with open(path, "rb") as f:
            before = f.read()
        for _ in range(2):
            result = write_tag(tool, path, fields)
            if result != "Done":
                failures.append("%s: WriteID3 gave %s" % (path, result))
        with open(path, "rb") as f:
            data = f.read()
        audio = before[:-128] if before[-128:-125] == b"TAG" else before
        if len(data) != len(audio) + 128 or data[:len(audio)] != audio:
            failures.append("%s: %d bytes after two saves, %d expected"
                            % (path, len(data), len(audio) + 128))
        block = data[-128:]
        if b"\0" in block[3:127]:
            failures.append("%s: a text field holds NUL" % path)
        parsed = ParseID3v1(block) or {}
        for name, frame in (("title", "TIT2"), ("artist", "TPE1"), ("album", "TALB"),
                            ("comment", "COMM")):
            width = 28 if name == "comment" else 30
            want = fields[name].encode("latin1")[:width].decode("latin1").strip()
            got = str(parsed[frame]) if frame in parsed else ""
            if got != want:
                failures.append("%s: mutagen reads %s %r, %r was written" % (path, name, got, want))
        got_year = str(parsed["TDRC"]) if "TDRC" in parsed else ""
        if got_year != fields["year"]:
            failures.append("%s: mutagen reads year %r, %r was written" % (path, got_year, fields["year"]))
        got_genre = parsed["TCON"].genres[0] if "TCON" in parsed else None
        want_genre = GENRE_NAMES[fields["genre"]] if fields["genre"] < len(GENRE_NAMES) else None
        if got_genre != want_genre:
            failures.append("%s: mutagen reads genre %r, %r was written" % (path, got_genre, want_genre))
        if not i % 2:
            if delete_tag(tool, path) != "Done":
                failures.append("%s: DeleteID3 did not remove the tag" % path)
            with open(path, "rb") as f:
                if f.read() != before:
                    failures.append("%s: not the same bytes after DeleteID3" % path)
    return len(cases)


UNICODE = LATIN1 + "ĀŒƒΩЖאあ漢字😀"


def check_id3v2(tool, work, rng, failures):
    """Files tagged only with ID3v2 by mutagen, read back by ReadId3v2."""
    cases, paths = [], []
    for i in range(60):
        version = rng.choice([3, 4])
        encoding = rng.choice([0, 1] if version == 3 else [0, 1, 2, 3])
        alphabet = LATIN1 if encoding == 0 else UNICODE

        def rnd(n):
            return "".join(rng.choice(alphabet) for _ in range(1 + rng.randrange(n))).strip() or "x"
        fields = dict(title=rnd(60), artist=rnd(30), album=rnd(30), comment=rnd(80),
                      year=str(rng.randrange(1900, 2100)), genre=rng.choice(list(GENRES) + ["Nope"]))
        tags = ID3()
        tags.add(TIT2(encoding=encoding, text=fields["title"]))
        tags.add(TPE1(encoding=encoding, text=fields["artist"]))
        tags.add(TALB(encoding=encoding, text=fields["album"]))
        tags.add(TDRC(encoding=encoding, text=fields["year"]))
        tags.add(TCON(encoding=encoding, text=fields["genre"]))
        if rng.randrange(2):
            tags.add(COMM(encoding=encoding, lang="eng", desc="iTunNORM", text="0000 1111"))
        tags.add(COMM(encoding=encoding, lang="eng", desc="", text=fields["comment"]))
        if rng.randrange(2):
            tags.add(APIC(encoding=0, mime="image/png", type=3, desc="",
                          data=bytes(rng.randrange(256) for _ in range(rng.choice([10, 30000])))))
        path = os.path.join(work, "v2_%02d.mp3" % i)
        mp3_like(path, rng.choice([0, 500]), rng)
        tags.save(path, v1=0, v2_version=version, padding=lambda info: rng.choice([0, 1024]))
        cases.append(fields)
        paths.append(path)
    for path, fields, got in zip(paths, cases, read_tags(tool, paths, v2=True)):
        if got is None:
            failures.append("%s: ReadId3v2 found no tag" % path)
            continue
        for name in ("title", "artist", "album", "year", "comment"):
            mine = got[name].decode("utf-8")
            if mine != fields[name]:
                failures.append("%s: %s is %r, mutagen was given %r" % (path, name, mine, fields[name]))
        if got["genre"] != GENRES.get(fields["genre"], 255):
            failures.append("%s: genre %d for %r" % (path, got["genre"], fields["genre"]))
    return len(cases)


def main():
    tool, work = sys.argv[1], sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    rng = random.Random(20261207)
    failures = []

    cases = [
        dict(title="Hello", artist="Some Band", album="First Album", year="1999",
             comment="nice one", genre="Rock", track=7),
        dict(title="  Leading blanks", artist="A" * 40, album="B" * 30, year="2024",
             comment="C" * 40, genre="Unknown Genre"),
        dict(title="Héllo Wörld ßæø", artist="", album=None, year=None, comment=None, genre="Blues"),
        dict(title=None, artist=None, album=None, year="19", comment="x", genre=None),
    ]
    for _ in range(40):
        def rnd(n):
            return "".join(rng.choice(LATIN1) for _ in range(rng.randrange(n)))
        cases.append(dict(title=rnd(40), artist=rnd(40), album=rnd(40),
                          year=str(rng.randrange(1900, 2100)), comment=rnd(35),
                          genre=rng.choice(list(GENRES) + ["Nope"]),
                          track=rng.choice([None, rng.randrange(1, 100)])))

    paths = []
    for i, fields in enumerate(cases):
        path = os.path.join(work, "song%02d.mp3" % i)
        mp3_like(path, rng.choice([0, 10, 200, 5000]), rng)
        tag_file(path, fields)
        paths.append(path)

    results = read_tags(tool, paths)
    for path, fields, got in zip(paths, cases, results):
        if got is None:
            failures.append("%s: ReadTag found no tag" % path)
            continue
        with open(path, "rb") as f:
            block = f.read()[-128:]
        parsed = ParseID3v1(block)
        # mutagen normalises the timestamp it is given ("19" becomes "0019").
        year_text = str(TDRC(encoding=3, text=fields["year"])) if fields.get("year") else ""
        year = year_text.encode("ascii")[:4].ljust(4, b"\0")
        want = {
            "title": expected_text(fields.get("title"), 30),
            "artist": expected_text(fields.get("artist"), 30),
            "album": expected_text(fields.get("album"), 30),
            "year": year.split(b"\0")[0].ljust(4, b" "),
            "comment": expected_text(fields.get("comment"), 28).ljust(30, b" "),
            "genre": GENRES.get(fields.get("genre"), 255),
        }
        for name, value in want.items():
            if got[name] != value:
                failures.append("%s: %s is %r, mutagen was given %r" % (path, name, got[name], value))
        # Cross-check with mutagen's own ID3v1 parser (which also strips blanks).
        mutagen_view = {
            "title": str(parsed["TIT2"]) if "TIT2" in parsed else "",
            "artist": str(parsed["TPE1"]) if "TPE1" in parsed else "",
            "album": str(parsed["TALB"]) if "TALB" in parsed else "",
            "comment": str(parsed["COMM"]) if "COMM" in parsed else "",
        }
        for name, text in mutagen_view.items():
            mine = got[name].decode("latin1").strip()
            if mine != text:
                failures.append("%s: %s is %r, mutagen reads %r" % (path, name, mine, text))
        genre_mutagen = GENRES.get(parsed["TCON"].genres[0], -1) if "TCON" in parsed else 255
        if got["genre"] != genre_mutagen:
            failures.append("%s: genre %d, mutagen reads %r" % (path, got["genre"], genre_mutagen))

    # Files without an ID3v1 tag, too short files, a folder and a missing path.
    no_tag = []
    p = os.path.join(work, "v2only.mp3")
    mp3_like(p, 500, rng)
    tag_file(p, dict(title="only v2"), v1=0)
    no_tag.append(p)
    p = os.path.join(work, "short.mp3")
    with open(p, "wb") as f:
        f.write(b"TAG" + b"x" * 96)  # 99 bytes, begins with TAG
    no_tag.append(p)
    p = os.path.join(work, "lowercase.mp3")
    with open(p, "wb") as f:
        f.write(b"\0" * 300 + b"tag" + b"y" * 125)
    no_tag.append(p)
    p = os.path.join(work, "folder.mp3")
    os.makedirs(p)
    no_tag.append(p)
    no_tag.append(os.path.join(work, "missing.mp3"))
    for path, got in zip(no_tag, read_tags(tool, no_tag)):
        if got is not None:
            failures.append("%s: expected no tag, got %r" % (path, got))

    written = check_writes(sys.argv[3], work, rng, failures) if len(sys.argv) > 3 else 0
    v2_tagged = check_id3v2(tool, work, rng, failures)

    for line in failures:
        print("FAIL", line)
    print("%d tagged files, %d untagged paths, %d written tags, %d ID3v2-only files, %d failures"
          % (len(cases), len(no_tag), written, v2_tagged, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
