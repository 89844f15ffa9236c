#!/usr/bin/env python3
"""Draws the program's icon (a small robot face) and writes res/morvanta.ico with 32x32 and 16x16 images."""
import struct
import sys
from pathlib import Path

BODY = (0xBF, 0x5F, 0x1F, 0xFF)  # blue, as BGRA
FEATURE = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0, 0, 0, 0)

# Shapes on a 32x32 grid: (left, top, right, bottom), right and bottom exclusive.
HEAD = (4, 8, 28, 28)
FEATURES = [(14, 2, 18, 8),   # antenna
            (9, 13, 14, 18),  # left eye
            (18, 13, 23, 18), # right eye
            (10, 21, 22, 24)] # mouth


def inside(box, x, y):
    left, top, right, bottom = box
    return left <= x < right and top <= y < bottom


def pixel(x, y):
    if any(inside(box, x, y) for box in FEATURES[1:]):
        return FEATURE
    if inside(HEAD, x, y) or inside(FEATURES[0], x, y):
        return BODY
    return CLEAR


def image(size):
    scale = 32 / size
    rows = []
    for y in reversed(range(size)):  # bitmaps are stored bottom-up
        rows.append(b"".join(bytes(pixel(int(x * scale), int(y * scale))) for x in range(size)))
    mask_row = b"\0" * (((size + 31) // 32) * 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + mask_row * size


def main():
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    target = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / "res" / "morvanta.ico")
    target.write_bytes(out + b"".join(images))


main()
