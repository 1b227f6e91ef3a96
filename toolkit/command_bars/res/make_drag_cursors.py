#!/usr/bin/env python3
"""Draws the three cursors of a toolbar button drag as 32 x 32 monochrome cursor files: an arrow
with a small button outline under it; the delete cursor crosses the button out, the copy cursor
adds a plus sign beside it, the move cursor shows the button alone. Hot spot at the arrow tip.

Usage: make_drag_cursors.py OUTPUT_FOLDER
Writes WTKDragDelete.cur, WTKDragMove.cur and WTKDragCopy.cur.
"""

import os
import struct
import sys

SIZE = 32

# The arrow: each row lists its black outline and white inside, as in the system pointer.
ARROW = [
    "B",
    "BB",
    "BWB",
    "BWWB",
    "BWWWB",
    "BWWWWB",
    "BWWWWWB",
    "BWWWWWWB",
    "BWWWWWWWB",
    "BWWWWWWWWB",
    "BWWWWWBBBB",
    "BWWBWWB",
    "BWB BWWB",
    "BB  BWWB",
    "B    BWWB",
    "     BWWB",
    "      BB",
]


def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def draw_arrow(px):
    for y, row in enumerate(ARROW):
        for x, c in enumerate(row):
            if c == "B":
                px[y][x] = 0
            elif c == "W":
                px[y][x] = 1


def draw_box(px, left, top, right, bottom):
    """A white button with a black frame."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            px[y][x] = 0 if edge else 1


def draw_cross(px, left, top, size):
    for i in range(size):
        for d in (0, 1):
            px[top + i][left + i + d] = 0
            px[top + i][left + size - 1 - i + d] = 0


def draw_plus(px, left, top, size):
    draw_box(px, left - 1, top - 1, left + size, top + size)
    mid = size // 2
    for i in range(size):
        px[top + mid][left + i] = 0
        px[top + i][left + mid] = 0


def cursor(kind):
    px = blank()
    draw_arrow(px)
    draw_box(px, 8, 18, 22, 27)
    if kind == "delete":
        draw_cross(px, 11, 19, 8)
    elif kind == "copy":
        draw_plus(px, 24, 20, 7)
    return px


def cur_file(px, hotspot=(0, 0)):
    stride = SIZE // 8
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bottom-up rows
        xor_bits = bytearray(stride)
        and_bits = bytearray(stride)
        for x in range(SIZE):
            bit = 0x80 >> (x % 8)
            value = px[y][x]
            if value is None:
                and_bits[x // 8] |= bit  # transparent
            elif value == 1:
                xor_bits[x // 8] |= bit  # white
        xor_rows.append(bytes(xor_bits))
        and_rows.append(bytes(and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for kind, name in (("delete", "WTKDragDelete.cur"), ("move", "WTKDragMove.cur"), ("copy", "WTKDragCopy.cur")):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(cur_file(cursor(kind)))


if __name__ == "__main__":
    main()
