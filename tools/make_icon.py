#!/usr/bin/env python3
"""Write resources/vostarel.ico: the library's icon (resource 100).

Usage:
  make_icon.py [-o OUTPUT] [--preview PNG_PREFIX]

The icon is a phone handset seen from the front: a dark body, a small screen
and a 3 x 4 grid of keys. It holds two images, 32 x 32 and 16 x 16, each a
32-bit BGRA bitmap with an AND mask, so every Windows version (and Wine)
draws it with its transparent corners. The pictures are drawn here from
rectangles, so the output is byte-for-byte the same on every run; commit the
.ico together with any change to this script.

--preview also writes PNG_PREFIX-32.png and PNG_PREFIX-16.png (scaled up 8x)
to look at the pictures without a Windows machine.
"""

import argparse
import os
import struct
import sys
import zlib

TRANSPARENT = None
BODY_EDGE = (0x1E, 0x2D, 0x38)
BODY = (0x34, 0x4E, 0x5F)
SCREEN = (0x9B, 0xE7, 0xC4)
KEY = (0xEC, 0xF0, 0xF3)
TALK_KEY = (0x4C, 0xC3, 0x5A)


def blank(size):
    return [[TRANSPARENT] * size for _ in range(size)]


def fill(picture, left, top, right, bottom, colour):
    """Fills the rectangle with inclusive edges."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            picture[y][x] = colour


def rounded_body(picture, left, top, right, bottom):
    """A filled body with a one-pixel edge and cut corners."""
    fill(picture, left, top, right, bottom, BODY_EDGE)
    fill(picture, left + 1, top + 1, right - 1, bottom - 1, BODY)
    for x, y in ((left, top), (right, top), (left, bottom), (right, bottom)):
        picture[y][x] = TRANSPARENT


def picture_32():
    p = blank(32)
    rounded_body(p, 6, 0, 25, 31)
    fill(p, 9, 3, 22, 9, SCREEN)
    # Twelve keys, 4 x 3 pixels, one-pixel gaps between columns.
    for top in (12, 16, 20, 24):
        for left in (9, 14, 19):
            fill(p, left, top, left + 3, top + 2, KEY)
    fill(p, 12, 28, 19, 29, TALK_KEY)
    return p


def picture_16():
    p = blank(16)
    rounded_body(p, 2, 0, 13, 15)
    fill(p, 4, 2, 11, 4, SCREEN)
    for top in (6, 8, 10, 12):
        for left in (4, 7, 10):
            fill(p, left, top, left + 1, top, KEY)
    fill(p, 6, 14, 9, 14, TALK_KEY)
    return p


def icon_image(picture):
    """BITMAPINFOHEADER, BGRA rows bottom-up, then the AND mask."""
    size = len(picture)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(picture):
        for colour in row:
            if colour is TRANSPARENT:
                pixels += b"\0\0\0\0"
            else:
                r, g, b = colour
                pixels += bytes((b, g, r, 0xFF))
    mask = bytearray()
    row_bytes = ((size + 31) // 32) * 4
    for row in reversed(picture):
        bits = bytearray(row_bytes)
        for x, colour in enumerate(row):
            if colour is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def icon_file(pictures):
    images = [icon_image(p) for p in pictures]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for picture, image in zip(pictures, images):
        size = len(picture)
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def png(picture, scale):
    size = len(picture) * scale
    raw = bytearray()
    for row in picture:
        line = bytearray(b"\0")
        for colour in row:
            rgba = (0xFF, 0xFF, 0xFF, 0) if colour is TRANSPARENT else (*colour, 0xFF)
            line += bytes(rgba) * scale
        raw += bytes(line) * scale

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_output = os.path.join(here, "..", "resources", "vostarel.ico")
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("-o", "--output", default=default_output)
    parser.add_argument("--preview", metavar="PNG_PREFIX")
    args = parser.parse_args()

    pictures = [picture_32(), picture_16()]
    with open(args.output, "wb") as f:
        f.write(icon_file(pictures))
    if args.preview:
        for picture in pictures:
            with open("%s-%d.png" % (args.preview, len(picture)), "wb") as f:
                f.write(png(picture, 8))
    return 0


if __name__ == "__main__":
    sys.exit(main())
