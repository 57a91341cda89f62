#!/usr/bin/env python3
"""Writes the knob's picture assets (run by hand; the PNGs are committed).

knob.png     213 x 213: a plain light-grey disc with a thin dark rim that fills
             the square. The surround is fully transparent and every other pixel
             fully opaque, so that the key-colour masks have clean edges.
toolbox.png  16 x 15, 24-bit: the small knob shown in a form designer's box.
"""
import struct
import sys
import zlib
from pathlib import Path

DISC = (212, 208, 200)
RIM = (64, 64, 64)
RIM_WIDTH = 2.0


def png(path, width, height, rows, alpha):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    colour_type = 6 if alpha else 2
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                           + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def disc_pixel(x, y, size, surround):
    centre = size / 2.0
    distance = ((x + 0.5 - centre) ** 2 + (y + 0.5 - centre) ** 2) ** 0.5
    if distance > centre:
        return surround
    return RIM if distance > centre - RIM_WIDTH else DISC


def main(folder):
    size = 213
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            pixel = disc_pixel(x, y, size, None)
            row += (0, 0, 0, 0) if pixel is None else (*pixel, 255)
        rows.append(row)
    png(Path(folder) / "knob.png", size, size, rows, alpha=True)

    icon_rows = []
    for y in range(15):
        row = []
        for x in range(16):
            row += disc_pixel(x - 0.5, y, 15, (192, 192, 192))
        icon_rows.append(row)
    png(Path(folder) / "toolbox.png", 16, 15, icon_rows, alpha=False)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
