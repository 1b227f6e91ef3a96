#!/usr/bin/env python3
"""Draws the tasks pane's navigation images: four 12 x 12 glyphs side by side (48 x 12) on the
button-face grey that the image strip maps to the system colours, as a 24-bit BMP:
0 back (an arrow left), 1 forward (an arrow right), 2 home (a house), 3 close (a cross).

Usage: make_tasks_pane_images.py OUTPUT.bmp
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../../cmake'))
from bitmap_files import GlyphStrip, bmp24_bytes  # noqa: E402

W, H, N = 12, 12, 4
FACE = (192, 192, 192)
BLACK = (0, 0, 0)
GREEN = (0, 128, 0)
strip = GlyphStrip(W, H, N, FACE)
img = strip.img
put = strip.put


def arrow(i, left):
    # A shaft across the middle and a head of growing rows.
    for x in range(2, 10):
        for y in (5, 6):
            put(i, x, y, GREEN)
    for k in range(5):
        x = 2 + k if left else 9 - k
        for y in range(5 - k, 7 + k):
            put(i, x, y, GREEN)


arrow(0, True)
arrow(1, False)
# A house: a roof and a walled body with a door.
for k in range(6):
    for x in range(5 - k, 7 + k):
        put(2, x, 1 + k, BLACK)
for y in range(7, 11):
    for x in (2, 9):
        put(2, x, y, BLACK)
for x in range(2, 10):
    put(2, x, 10, BLACK)
for y in range(8, 11):
    put(2, 5, y, BLACK)
    put(2, 6, y, BLACK)
# A cross.
for k in range(2, 10):
    put(3, k, k, BLACK)
    put(3, k + 1, k, BLACK)
    put(3, 11 - k, k, BLACK)
    put(3, 10 - k, k, BLACK)

with open(sys.argv[1], 'wb') as f:
    f.write(bmp24_bytes(img))
