#!/usr/bin/env python3
"""Draws the three cursors of a toolbar button drag as 32 x 32 monochrome cursor files: an arrow
with a small button outline under it; the delete cursor crosses the button out, the copy cursor
adds a plus sign beside it, the move cursor shows the button alone. Hot spot at the arrow tip.

Usage: make_drag_cursors.py OUTPUT_FOLDER
Writes WTKDragDelete.cur, WTKDragMove.cur and WTKDragCopy.cur.
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../../cmake'))
from bitmap_files import cursor_bytes, draw_rows  # noqa: E402

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
    draw_rows(px, ARROW)
    draw_box(px, 8, 18, 22, 27)
    if kind == "delete":
        draw_cross(px, 11, 19, 8)
    elif kind == "copy":
        draw_plus(px, 24, 20, 7)
    return px


def cur_file(px, hotspot=(0, 0)):
    return cursor_bytes(px, hotspot)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for kind, name in (("delete", "WTKDragDelete.cur"), ("move", "WTKDragMove.cur"), ("copy", "WTKDragCopy.cur")):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(cur_file(cursor(kind)))


if __name__ == "__main__":
    main()
