#!/usr/bin/env python3
"""Draws the resources of the button image editor: the tools toolbar's strip (nine 16 x 15
glyphs on the button-face grey, a 24-bit BMP: pencil, fill, line, rectangle, ellipse, pick
colour, copy, paste, clear) and one 32 x 32 monochrome cursor per drawing tool: a cross whose
centre is the hot spot, with the tool's glyph beside it.

Usage: make_image_edit_resources.py OUTPUT_FOLDER
Writes WTKImageEditTools.bmp and WTKEditRectangle.cur, WTKEditEllipse.cur, WTKEditFill.cur,
WTKEditLine.cur, WTKEditPencil.cur, WTKEditPickColor.cur.
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../../cmake'))
from bitmap_files import GlyphStrip, bmp24_bytes, cursor_bytes  # noqa: E402

W, H, N = 16, 15, 9
FACE = (192, 192, 192)
BLACK, WHITE, GREY = (0, 0, 0), (255, 255, 255), (128, 128, 128)
YELLOW, BLUE, RED = (255, 255, 0), (0, 0, 255), (255, 0, 0)


def strip():
    glyphs = GlyphStrip(W, H, N, FACE)
    put, rect, frame = glyphs.put, glyphs.rect, glyphs.frame

    # 0 pencil: a diagonal yellow body with a dark tip at the bottom left
    for k in range(9):
        put(0, 4 + k, 10 - k, YELLOW)
        put(0, 5 + k, 10 - k, YELLOW)
        put(0, 4 + k, 11 - k, BLACK)
        put(0, 6 + k, 10 - k, BLACK)
    put(0, 2, 13, BLACK); put(0, 3, 12, BLACK); put(0, 3, 13, BLACK)
    # 1 fill: a tilted bucket pouring blue
    frame(1, 4, 4, 11, 11, BLACK); rect(1, 5, 7, 10, 10, BLUE); rect(1, 12, 6, 13, 12, BLUE)
    # 2 line
    for k in range(11):
        put(2, 2 + k, 12 - k, BLACK)
    # 3 rectangle
    frame(3, 2, 3, 13, 11, BLACK)
    # 4 ellipse
    for (x, y) in ((5, 3), (6, 3), (7, 3), (8, 3), (9, 3), (10, 3), (3, 4), (4, 4), (11, 4), (12, 4),
                   (2, 5), (13, 5), (2, 6), (13, 6), (2, 7), (13, 7), (2, 8), (13, 8), (3, 9), (4, 9),
                   (11, 9), (12, 9), (5, 10), (6, 10), (7, 10), (8, 10), (9, 10), (10, 10)):
        put(4, x, y, BLACK)
    # 5 pick colour: a dropper
    for k in range(7):
        put(5, 3 + k, 12 - k, BLACK)
        put(5, 4 + k, 12 - k, GREY)
    rect(5, 10, 2, 13, 5, BLACK)
    # 6 copy: two pages
    rect(6, 1, 1, 8, 9, WHITE); frame(6, 1, 1, 8, 9, BLACK); rect(6, 6, 5, 13, 13, WHITE); frame(6, 6, 5, 13, 13, BLACK)
    # 7 paste: a clipboard with a page
    rect(7, 2, 2, 11, 13, (160, 96, 32)); rect(7, 6, 5, 14, 14, WHITE); frame(7, 6, 5, 14, 14, BLACK)
    rect(7, 5, 1, 8, 2, BLACK)
    # 8 clear: an eraser
    rect(8, 3, 6, 12, 10, RED); frame(8, 3, 6, 12, 10, BLACK); rect(8, 3, 11, 12, 12, BLACK)
    return glyphs.img



SIZE = 32
HOT = 7  # the cross's centre


def cursor(tool):
    px = [[None] * SIZE for _ in range(SIZE)]

    def put(x, y, v=0):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            px[y][x] = v

    # The cross, white-edged so it shows on dark pixels too.
    for d in range(-6, 7):
        if abs(d) < 2:
            continue
        for (x, y) in ((HOT + d, HOT), (HOT, HOT + d)):
            put(x, y, 0)
        for (x, y) in ((HOT + d, HOT - 1), (HOT + d, HOT + 1), (HOT - 1, HOT + d), (HOT + 1, HOT + d)):
            if px[y][x] is None:
                put(x, y, 1)
    ox, oy = 14, 14
    if tool == "pencil":
        for k in range(10):
            put(ox + k, oy + 10 - k); put(ox + k + 2, oy + 10 - k)
            put(ox + k + 1, oy + 10 - k, 1)
    elif tool == "fill":
        for x in range(ox, ox + 10):
            put(x, oy); put(x, oy + 9)
        for y in range(oy, oy + 10):
            put(ox, y); put(ox + 9, y)
        for y in range(oy + 4, oy + 9):
            for x in range(ox + 1, ox + 9):
                put(x, y)
    elif tool == "line":
        for k in range(12):
            put(ox + k, oy + 11 - k)
    elif tool == "rectangle":
        for x in range(ox, ox + 13):
            put(x, oy); put(x, oy + 9)
        for y in range(oy, oy + 10):
            put(ox, y); put(ox + 12, y)
    elif tool == "ellipse":
        for (x, y) in ((3, 0), (4, 0), (5, 0), (6, 0), (7, 0), (8, 0), (1, 1), (2, 1), (9, 1), (10, 1),
                       (0, 2), (11, 2), (0, 3), (11, 3), (0, 4), (11, 4), (1, 5), (2, 5), (9, 5), (10, 5),
                       (3, 6), (4, 6), (5, 6), (6, 6), (7, 6), (8, 6)):
            put(ox + x, oy + y)
    elif tool == "pick":
        for k in range(8):
            put(ox + k, oy + 10 - k); put(ox + k + 1, oy + 10 - k)
        for y in range(oy - 1, oy + 4):
            for x in range(ox + 8, ox + 12):
                put(x, y)
    return px



CURSORS = (("rectangle", "WTKEditRectangle.cur"), ("ellipse", "WTKEditEllipse.cur"), ("fill", "WTKEditFill.cur"),
           ("line", "WTKEditLine.cur"), ("pencil", "WTKEditPencil.cur"), ("pick", "WTKEditPickColor.cur"))


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "WTKImageEditTools.bmp"), "wb") as f:
        f.write(bmp24_bytes(strip()))
    for tool, name in CURSORS:
        with open(os.path.join(folder, name), "wb") as f:
            f.write(cursor_bytes(cursor(tool), (HOT, HOT)))


if __name__ == "__main__":
    main()
