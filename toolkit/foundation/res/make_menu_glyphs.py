#!/usr/bin/env python3
"""Draws the toolkit's menu glyph strip: 42 glyphs of 9 x 9 pixels side by side (378 x 9),
4 bits per pixel, black shapes on magenta (the strip's transparent colour). Disabled glyphs are
the same shape in the standard shadow grey with a white copy one pixel down and right, so that
they follow the user's button colours when the strip maps its standard colours.

Usage: make_menu_glyphs.py OUTPUT.bmp

Glyph table (the number is the index in the strip; the toolkit and its looks draw by number):

  0 arrow down (combo drop button, customise button of a horizontal toolbar, collapsed group)
  1 arrow down, disabled
  2 arrow right (customise button of a vertical toolbar, caption button)
  3 arrow right, disabled
  4 check mark             5 check mark, disabled
  6 radio dot              7 radio dot, disabled
  8 minimise               9 minimise, disabled
 10 restore               11 restore, disabled
 12 close                 13 close, disabled
 14 maximise              15 maximise, disabled
 16 arrow up (expanded group, scroll up, caption button)
 17 arrow up, disabled
 18 chevron down (show-all line; hidden buttons of a vertical toolbar)
 19 arrow left (caption button)
 20 small close (hide button of a docking bar's caption)
 21 chevron right (hidden buttons of a horizontal toolbar)
 22 pin, unpinned (lying)  23 pin, pinned (upright)
 24 arrow left, disabled  25 chevron up
 26 chevron left          27 small close, disabled
 28 arrow down on a pressed drop button
 29 minimise, 30 restore, 31 close, 32 maximise: on a highlighted or pressed menu-bar box
 33-41 reserved, empty
"""

import struct
import sys

SIZE = 9
COUNT = 42

# Palette: the four standard button colours first, then the transparent colour.
PALETTE = [0x000000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0xFF00FF]
BLACK, SHADOW, FACE, WHITE, MAGENTA = range(5)


def parse(rows):
    assert len(rows) == SIZE and all(len(r) == SIZE for r in rows), rows
    return [[c == "#" for c in r] for r in rows]


ARROW_DOWN = parse([
    ".........",
    ".........",
    ".........",
    ".#######.",
    "..#####..",
    "...###...",
    "....#....",
    ".........",
    ".........",
])
CHECK = parse([
    ".........",
    ".......#.",
    "......##.",
    ".#...###.",
    ".##.###..",
    ".#####...",
    "..###....",
    "...#.....",
    ".........",
])
RADIO = parse([
    ".........",
    ".........",
    "...###...",
    "..#####..",
    "..#####..",
    "..#####..",
    "...###...",
    ".........",
    ".........",
])
MINIMISE = parse([
    ".........",
    ".........",
    ".........",
    ".........",
    ".........",
    ".........",
    ".######..",
    ".######..",
    ".........",
])
RESTORE = parse([
    "..######.",
    "..######.",
    "..#....#.",
    "######.#.",
    "######.#.",
    "#....###.",
    "#....#...",
    "#....#...",
    "######...",
])
CLOSE = parse([
    ".........",
    ".##...##.",
    "..##.##..",
    "...###...",
    "...###...",
    "..##.##..",
    ".##...##.",
    ".........",
    ".........",
])
MAXIMISE = parse([
    "#########",
    "#########",
    "#.......#",
    "#.......#",
    "#.......#",
    "#.......#",
    "#.......#",
    "#########",
    ".........",
])
CHEVRON_DOWN = parse([
    ".........",
    ".##...##.",
    "..##.##..",
    "...###...",
    "....#....",
    ".##...##.",
    "..##.##..",
    "...###...",
    "....#....",
])
SMALL_CLOSE = parse([
    ".........",
    ".#.....#.",
    "..#...#..",
    "...#.#...",
    "....#....",
    "...#.#...",
    "..#...#..",
    ".#.....#.",
    ".........",
])
PIN_UPRIGHT = parse([
    "..#####..",
    "..#..##..",
    "..#..##..",
    "..#..##..",
    ".#######.",
    "....#....",
    "....#....",
    "....#....",
    ".........",
])
EMPTY = [[False] * SIZE for _ in range(SIZE)]


def flip_vertical(g):
    return g[::-1]


def transpose(g):
    return [[g[x][y] for x in range(SIZE)] for y in range(SIZE)]


def rotate_clockwise(g):
    return [[g[SIZE - 1 - x][y] for x in range(SIZE)] for y in range(SIZE)]


ARROW_UP = flip_vertical(ARROW_DOWN)
ARROW_RIGHT = transpose(ARROW_DOWN)
ARROW_LEFT = transpose(ARROW_UP)
CHEVRON_UP = flip_vertical(CHEVRON_DOWN)
CHEVRON_RIGHT = transpose(CHEVRON_DOWN)
CHEVRON_LEFT = transpose(CHEVRON_UP)
PIN_LYING = rotate_clockwise(PIN_UPRIGHT)


def normal(g):
    return [[BLACK if g[y][x] else MAGENTA for x in range(SIZE)] for y in range(SIZE)]


def disabled(g):
    cells = [[MAGENTA] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            if g[y][x] and x + 1 < SIZE and y + 1 < SIZE:
                cells[y + 1][x + 1] = WHITE
    for y in range(SIZE):
        for x in range(SIZE):
            if g[y][x]:
                cells[y][x] = SHADOW
    return cells


GLYPHS = [
    normal(ARROW_DOWN), disabled(ARROW_DOWN),
    normal(ARROW_RIGHT), disabled(ARROW_RIGHT),
    normal(CHECK), disabled(CHECK),
    normal(RADIO), disabled(RADIO),
    normal(MINIMISE), disabled(MINIMISE),
    normal(RESTORE), disabled(RESTORE),
    normal(CLOSE), disabled(CLOSE),
    normal(MAXIMISE), disabled(MAXIMISE),
    normal(ARROW_UP), disabled(ARROW_UP),
    normal(CHEVRON_DOWN), normal(ARROW_LEFT),
    normal(SMALL_CLOSE), normal(CHEVRON_RIGHT),
    normal(PIN_LYING), normal(PIN_UPRIGHT),
    disabled(ARROW_LEFT), normal(CHEVRON_UP),
    normal(CHEVRON_LEFT), disabled(SMALL_CLOSE),
    normal(ARROW_DOWN),
    normal(MINIMISE), normal(RESTORE), normal(CLOSE), normal(MAXIMISE),
]
GLYPHS += [normal(EMPTY)] * (COUNT - len(GLYPHS))
assert len(GLYPHS) == COUNT


def bmp_bytes():
    width, height = SIZE * COUNT, SIZE
    stride = ((width * 4 + 31) // 32) * 4
    rows = []
    for y in reversed(range(height)):  # bottom-up
        pixels = [GLYPHS[x // SIZE][y][x % SIZE] for x in range(width)]
        if len(pixels) % 2:
            pixels.append(0)
        row = bytes((pixels[i] << 4) | pixels[i + 1] for i in range(0, len(pixels), 2))
        rows.append(row + b"\0" * (stride - len(row)))
    bits = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in PALETTE)
    palette += b"\0" * (16 * 4 - len(palette))
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(bits), 2835, 2835, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return header + info + palette + bits


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(bmp_bytes())
