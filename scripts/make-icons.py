#!/usr/bin/env python3
"""Draws the programs' icons, the jukebox's button pictures and its hand
cursor, and writes them as .ico and .cur files (32-bit BMP images).

Run from the repository root; the results are committed:
    python3 scripts/make-icons.py [file...]
"""
import math
import struct
import sys


def ico(images):
    """images: list of (size, pixels) with pixels[y][x] = (r, g, b, a), top row first."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for size, pixels in images:
        blob = bmp(size, pixels)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def cur(size, pixels, hotspot):
    """One cursor image; its AND mask is drawn from the alpha channel, because
    cursors are also drawn by code that ignores alpha."""
    blob = bmp(size, pixels, masked=True)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1], len(blob), 22)
    return header + entry + blob


def bmp(size, pixels, masked=False):
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    if not masked:
        return info + xor + bytes(mask_row * size)
    mask = b""
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return info + xor + mask


def blend(dst, src):
    sr, sg, sb, sa = src
    dr, dg, db, da = dst
    a = sa / 255.0
    out_a = sa + da * (1 - a)
    if out_a == 0:
        return (0, 0, 0, 0)
    mix = lambda s, d: int((s * sa + d * da * (1 - a)) / out_a)
    return (mix(sr, dr), mix(sg, dg), mix(sb, db), int(out_a))


def draw_monitor(size):
    """A manila folder watched by a round lens."""
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            fx, fy = x / s, y / s
            if 2 <= fx < 26 and 8 <= fy < 27:
                shade = 210 - int(fy * 2)
                px[y][x] = (240, shade, 90, 255)
            if 2 <= fx < 12 and 5 <= fy < 8:
                px[y][x] = (225, 175, 70, 255)
            d = math.hypot(fx - 20, fy - 18)
            if d < 7:
                px[y][x] = blend(px[y][x], (200, 230, 255, 200))
            if 6 <= d < 8:
                px[y][x] = (20, 40, 110, 255)
            if d < 3 and fx < 20 and fy < 18:
                px[y][x] = blend(px[y][x], (255, 255, 255, 180))
            on_handle = abs((fx - fy) - (26 - 24)) < 1.6 and 25 <= fx < 31 and 23 <= fy < 29
            if on_handle:
                px[y][x] = (20, 40, 110, 255)
    return px


def shade(size, color_at, samples=4):
    """Renders color_at(fx, fy) -> (r, g, b, a) or None, in a 32-unit square,
    with samples x samples points per pixel for smooth edges."""
    s = size / 32.0
    px = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for j in range(samples):
                for i in range(samples):
                    c = color_at((x + (i + 0.5) / samples) / s, (y + (j + 0.5) / samples) / s)
                    if c:
                        a = c[3] / 255.0
                        acc = [acc[0] + c[0] * a, acc[1] + c[1] * a, acc[2] + c[2] * a, acc[3] + a]
            n = samples * samples
            if acc[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(v / acc[3]) for v in acc[:3]) + (int(255 * acc[3] / n),))
        px.append(row)
    return px


def draw_jukebox(size):
    """A dark record with a bramble-berry label, a green leaf and a gold note."""

    def color_at(fx, fy):
        c = None
        d = math.hypot(fx - 14, fy - 17)
        if d < 13.5:
            groove = 28 + (18 if int(d * 1.6) % 2 else 0)
            c = (groove, groove, groove + 8, 255)
            if 9 < d < 11 and fx < 12 and fy < 15:
                c = (110, 110, 125, 255)
        if d < 5.5:
            c = (128, 36, 110, 255)
            for bx, by in ((12.6, 15.6), (15.4, 15.6), (12.6, 18.4), (15.4, 18.4)):
                if math.hypot(fx - bx, fy - by) < 1.5:
                    c = (178, 64, 150, 255)
        if d < 1.1:
            c = (240, 240, 240, 255)
        # A leaf on the record's upper left edge.
        lx, ly = fx - 5.5, fy - 6
        u, v = (lx + ly) / math.sqrt(2), (ly - lx) / math.sqrt(2)
        if abs(v) < 2.6 * math.cos(min(abs(u) / 5.2, 1) * math.pi / 2) and abs(u) < 5.2:
            c = (40, 150, 60, 255) if abs(v) > 0.35 else (20, 95, 35, 255)
        # An eighth note on the right.
        if math.hypot((fx - 23.5) / 1.3, fy - 25) < 3.1:
            c = (245, 190, 40, 255)
        if 26.2 <= fx < 28 and 5 <= fy < 25:
            c = (245, 190, 40, 255)
        if 27 <= fx < 31 and 5 <= fy < 12 and (fy - 5) < 7 - (fx - 27) * 1.3:
            c = (245, 190, 40, 255)
        return c

    return shade(size, color_at)


def button(draw_glyph):
    """A dark glyph for a 16-pixel picture button, drawn in a 32-unit square;
    straight edges lie on even units, which are pixel borders at 16 pixels."""
    ink = (36, 40, 56, 255)
    return lambda size: shade(size, lambda fx, fy: ink if draw_glyph(fx, fy) else None)


def triangle(fx, fy, tip_x, base_x, top=6, bottom=26):
    """A triangle with a vertical base at base_x and its tip at tip_x, half-way down."""
    if not min(tip_x, base_x) <= fx <= max(tip_x, base_x):
        return False
    half = (bottom - top) / 2 * (abs(fx - tip_x) / abs(base_x - tip_x))
    return abs(fy - (top + bottom) / 2) <= half


BUTTONS = {
    "play": lambda fx, fy: triangle(fx, fy, 25, 10),
    "stop": lambda fx, fy: 8 <= fx < 24 and 8 <= fy < 24,
    "pause": lambda fx, fy: (8 <= fx < 14 or 18 <= fx < 24) and 6 <= fy < 26,
    "back": lambda fx, fy: (6 <= fx < 10 and 6 <= fy < 26) or triangle(fx, fy, 10, 26),
    "next": lambda fx, fy: (22 <= fx < 26 and 6 <= fy < 26) or triangle(fx, fy, 22, 6),
}


def hand_silhouette(x, y):
    """A pointing hand on the 32-pixel grid, the index finger's tip at (11, 1)."""
    def box(x0, y0, x1, y1, r=1.5):
        cx, cy = min(max(x, x0 + r), x1 - r), min(max(y, y0 + r), y1 - r)
        return math.hypot(x - cx, y - cy) <= r

    return (box(8.5, 0.5, 13.5, 18, 2.5)
            or box(8.5, 11.5, 24.5, 26)
            or box(13.5, 8.5, 17.5, 16, 2) or box(17.5, 9.5, 21.5, 16, 2)
            or box(21.5, 11.5, 24.5, 17, 1.5)
            or (3 <= x <= 10 and 14 <= y <= 22 and y - 14 >= (x - 3) * -0.2 and y <= 16 + (x - 3))
            or box(10.5, 24, 22.5, 31.5, 0.5))


def draw_hand(size):
    """Black outline, white fill, lines between the folded fingers."""
    inside = [[hand_silhouette(x + 0.5, y + 0.5) for x in range(size)] for y in range(size)]
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if not inside[y][x]:
                continue
            edge = any(not (0 <= x + dx < size and 0 <= y + dy < size and inside[y + dy][x + dx])
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            fold = x in (13, 17, 21) and 10 <= y <= 15
            px[y][x] = (0, 0, 0, 255) if edge or fold else (255, 255, 255, 255)
    return px


def page(fx, fy):
    """A sheet with its upper right corner folded over; 'fold' on the flap."""
    if not (6 <= fx < 26 and 2 <= fy < 30):
        return None
    if fx - 18 > fy - 2 + 0.0:
        return None
    if fx >= 18 and fy < 10 and fx - 18 < fy - 2 + 0.0:
        return "fold"
    return "sheet"


def disc(fx, fy):
    d = math.hypot(fx - 16, fy - 19)
    return d < 7.5 and not d < 1.8


def note(fx, fy):
    return (math.hypot((fx - 13.5) / 1.3, fy - 24) < 2.6 or (15.2 <= fx < 16.8 and 12 <= fy < 24)
            or (16.8 <= fx < 21 and 12 <= fy < 16 and fy - 12 < 4 - (fx - 16.8) * 0.8))


def lines(fx, fy):
    return 10 <= fx < 22 and 12 <= fy < 27 and int(fy) % 4 < 2


def film(fx, fy):
    if not (10 <= fx < 22 and 12 <= fy < 28):
        return False
    holes = (10.8 <= fx < 12.2 or 19.8 <= fx < 21.2) and int(fy) % 3 == 1
    return not holes


def wave(fx, fy):
    return 9 <= fx < 23 and abs(fy - (20 + 5 * math.sin((fx - 9) / 14 * 2 * math.pi))) < 1.3


DOCUMENT_GLYPHS = (disc, note, lines, film, wave)
DOCUMENT_COLOURS = ((128, 36, 110), (40, 150, 60), (30, 90, 170), (200, 120, 20), (170, 40, 40),
                    (90, 60, 160), (20, 140, 150), (110, 110, 120), (180, 60, 130), (60, 120, 40))


def document(n):
    """Album and media file icon n (1..10): a sheet tinted by n with one of five
    glyphs; the second five draw the glyph light on a dark sheet."""
    glyph = DOCUMENT_GLYPHS[(n - 1) % 5]
    r, g, b = DOCUMENT_COLOURS[n - 1]
    dark = n > 5
    paper = (r // 3, g // 3, b // 3, 255) if dark else (250, 248, 240, 255)
    ink = (250, 240, 200, 255) if dark else (r, g, b, 255)

    def color_at(fx, fy):
        part = page(fx, fy)
        if part is None:
            return None
        edge = (fx < 6.8 or fx >= 25.2 or fy < 2.8 or fy >= 29.2
                or (fx >= 18 and abs((fx - 18) - (fy - 2)) < 0.8))
        if edge:
            return (40, 40, 48, 255)
        if part == "fold":
            return (200, 200, 205, 255)
        if 2.8 <= fy < 7 and fx < 18:
            return (r, g, b, 255)
        return ink if glyph(fx, fy) else paper

    return lambda size: shade(size, color_at)


def write_icon(path, draw, sizes):
    with open(path, "wb") as f:
        f.write(ico([(size, draw(size)) for size in sizes]))


def write_cursor(path, draw, hotspot):
    with open(path, "wb") as f:
        f.write(cur(32, draw(32), hotspot))


def main():
    targets = {
        "monitor/res/vigilon.ico": lambda p: write_icon(p, draw_monitor, (32, 16)),
        "jukebox/res/brambletune.ico": lambda p: write_icon(p, draw_jukebox, (48, 32, 16)),
        "jukebox/res/hand.cur": lambda p: write_cursor(p, draw_hand, (11, 1)),
    }
    for name, glyph in BUTTONS.items():
        targets[f"jukebox/res/{name}.ico"] = lambda p, g=glyph: write_icon(p, button(g), (16,))
    for n in range(1, 11):
        targets[f"jukebox/res/document{n}.ico"] = lambda p, n=n: write_icon(p, document(n), (32, 16))
    wanted = sys.argv[1:] or list(targets)
    for path in wanted:
        targets[path](path)


if __name__ == "__main__":
    main()
