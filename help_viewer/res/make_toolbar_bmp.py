"""Draws the viewer's toolbar image strip: eight 16 x 16 glyphs on magenta, the colour the frame
makes transparent, so that every look's bar shows through round them (a 24-bit BMP). In order: Back, Forward, Refresh, the
search label (blank), the search box (a magnifier), the content bar (a book), Print, About."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../cmake'))
from bitmap_files import GlyphStrip, bmp24_bytes  # noqa: E402

W, H, N = 16, 16, 8
TRANSPARENT = (255, 0, 255)
BLACK, WHITE = (0, 0, 0), (255, 255, 255)
GREEN, BLUE, NAVY = (0, 144, 48), (0, 96, 208), (0, 0, 128)
strip = GlyphStrip(W, H, N, TRANSPARENT)
img = strip.img
put, rect, frame = strip.put, strip.rect, strip.frame


def mirror_arrow(i, right):
    for k in range(7):
        x = (1 + k) if not right else (14 - k)
        for y in range(8 - k, 8 + k):
            put(i, x, y, GREEN)
    if right:
        rect(i, 1, 6, 8, 9, GREEN)
    else:
        rect(i, 7, 6, 14, 9, GREEN)


mirror_arrow(0, False)
mirror_arrow(1, True)
# Refresh: a ring with a gap and a head.
for y in range(H):
    for x in range(W):
        d = (x - 7.5) ** 2 + (y - 7.5) ** 2
        if 20 <= d <= 42 and not (x > 8 and y < 6):
            put(2, x, y, BLUE)
rect(2, 10, 1, 14, 2, BLUE)
rect(2, 13, 1, 14, 6, BLUE)
# 3: the label's placeholder stays blank.
# Search box: a magnifier.
for y in range(H):
    for x in range(W):
        d = (x - 6) ** 2 + (y - 6) ** 2
        if 12 <= d <= 24:
            put(4, x, y, BLACK)
        elif d < 12:
            put(4, x, y, WHITE)
for k in range(5):
    rect(4, 9 + k, 9 + k, 10 + k, 10 + k, NAVY)
# Content bar: an open book.
rect(5, 1, 3, 7, 13, WHITE)
rect(5, 8, 3, 14, 13, WHITE)
frame(5, 1, 3, 7, 13, NAVY)
frame(5, 8, 3, 14, 13, NAVY)
for y in (5, 7, 9, 11):
    rect(5, 3, y, 5, y, BLUE)
    rect(5, 10, y, 12, y, BLUE)
# Print: a printer with a sheet.
rect(6, 4, 1, 11, 6, WHITE)
frame(6, 4, 1, 11, 6, BLACK)
rect(6, 1, 7, 14, 12, (96, 96, 96))
rect(6, 4, 11, 11, 15, WHITE)
frame(6, 4, 11, 11, 15, BLACK)
# About: a question mark in a blue disc.
for y in range(H):
    for x in range(W):
        if (x - 7.5) ** 2 + (y - 7.5) ** 2 <= 56:
            put(7, x, y, BLUE)
rect(7, 5, 3, 10, 4, WHITE)
rect(7, 9, 4, 10, 7, WHITE)
rect(7, 7, 7, 9, 8, WHITE)
rect(7, 7, 9, 8, 9, WHITE)
rect(7, 7, 11, 8, 12, WHITE)

with open(sys.argv[1], 'wb') as f:
    f.write(bmp24_bytes(img))
