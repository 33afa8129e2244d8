#!/usr/bin/env python3
"""Draws the programs' icons and writes them as .ico files (32-bit BMP images).

Run from the repository root; the results are committed:
    python3 scripts/make-icons.py
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


def bmp(size, pixels):
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)
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


def main():
    targets = {"monitor/res/vigilon.ico": draw_monitor}
    wanted = sys.argv[1:] or list(targets)
    for path in wanted:
        draw = targets[path]
        with open(path, "wb") as f:
            f.write(ico([(32, draw(32)), (16, draw(16))]))


if __name__ == "__main__":
    main()
