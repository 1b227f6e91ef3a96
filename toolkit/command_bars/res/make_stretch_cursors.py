#!/usr/bin/env python3
"""Draws the two stretch cursors of the toolbars as 32 x 32 monochrome cursor files: a
left-right double arrow (WTKStretch.cur, resizing a width) and an up-down one
(WTKStretchVert.cur, resizing a height). Hot spot in the middle.

Usage: make_stretch_cursors.py OUTPUT_FOLDER
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_drag_cursors import SIZE, blank, cur_file  # noqa: E402

MID = SIZE // 2
HALF = 9  # arrow half length


def double_arrow():
    """Left-right: a white shaft and heads with a black outline."""
    px = blank()
    inside = set()
    for x in range(MID - HALF + 4, MID + HALF - 3):
        inside.add((x, MID))
    for d in range(4):
        for y in range(MID - d, MID + d + 1):
            inside.add((MID - HALF + d, y))
            inside.add((MID + HALF - d, y))
    for (x, y) in inside:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if (x + dx, y + dy) not in inside:
                    px[y + dy][x + dx] = 0
    for (x, y) in inside:
        px[y][x] = 1
    return px


def transpose(px):
    return [[px[x][y] for x in range(SIZE)] for y in range(SIZE)]


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    horz = double_arrow()
    for px, name in ((horz, "WTKStretch.cur"), (transpose(horz), "WTKStretchVert.cur")):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(cur_file(px, (MID, MID)))


if __name__ == "__main__":
    main()
