#!/usr/bin/env python3
"""Writes the grid's check-cell bitmaps (13 x 13, 24-bit BMP) into resources/:
CheckOn.bmp (a ticked box, resource 4000) and CheckOff.bmp (an empty box, 5000)."""
import os
import struct
import sys

SIZE = 13
WHITE, FRAME, TICK = (255, 255, 255), (128, 128, 128), (0, 0, 0)
# The tick: (x, y) pixels with y downwards, drawn three pixels thick.
TICK_PATH = [(3, 5), (4, 6), (5, 7), (6, 6), (7, 5), (8, 4), (9, 3)]


def pixels(checked):
    img = [[WHITE] * SIZE for _ in range(SIZE)]
    for i in range(SIZE):
        img[0][i] = img[SIZE - 1][i] = img[i][0] = img[i][SIZE - 1] = FRAME
    if checked:
        for x, y in TICK_PATH:
            for dy in range(3):
                img[y + dy][x] = TICK
    return img


def bmp(img):
    row_bytes = (SIZE * 3 + 3) & ~3
    data = b""
    for row in reversed(img):  # bottom-up
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        data += line + b"\0" * (row_bytes - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
    return file_header + header + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "resources")
    for name, checked in (("CheckOn.bmp", True), ("CheckOff.bmp", False)):
        with open(os.path.join(out, name), "wb") as f:
            f.write(bmp(pixels(checked)))


if __name__ == "__main__":
    main()
