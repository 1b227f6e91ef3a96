"""Draws the test toolbar's image strip: eight 16 x 15 glyphs on the button-face grey that
the image strip maps to the system colours (a 24-bit BMP)."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../../cmake'))
from bitmap_files import GlyphStrip, bmp24_bytes  # noqa: E402

W, H, N = 16, 15, 8
FACE = (192, 192, 192)
strip = GlyphStrip(W, H, N, FACE)
img = strip.img
rect, frame = strip.rect, strip.frame


BLACK, WHITE = (0, 0, 0), (255, 255, 255)
# 0 new page, 1 open folder, 2 save disk, 3 cut, 4 copy, 5 paste, 6 bold, 7 print
rect(0, 3, 1, 11, 13, WHITE); frame(0, 3, 1, 11, 13, BLACK)
rect(1, 1, 4, 14, 12, (255, 200, 0)); frame(1, 1, 4, 14, 12, (128, 96, 0)); rect(1, 1, 2, 6, 3, (128, 96, 0))
rect(2, 2, 1, 13, 13, (0, 64, 192)); rect(2, 4, 2, 11, 6, WHITE); rect(2, 5, 9, 10, 13, (160, 160, 160))
for k in range(7):
    img[1 + k][3 * W + 4 + k // 2] = BLACK
    img[1 + k][3 * W + 11 - k // 2] = BLACK
frame(3, 2, 9, 6, 13, (200, 0, 0)); frame(3, 9, 9, 13, 13, (200, 0, 0))
rect(4, 1, 1, 8, 9, WHITE); frame(4, 1, 1, 8, 9, BLACK); rect(4, 6, 5, 13, 13, WHITE); frame(4, 6, 5, 13, 13, BLACK)
rect(5, 2, 2, 11, 13, (160, 96, 32)); rect(5, 6, 5, 14, 14, WHITE); frame(5, 6, 5, 14, 14, BLACK)
rect(6, 4, 1, 5, 13, BLACK); rect(6, 4, 1, 10, 2, BLACK); rect(6, 4, 7, 10, 7, BLACK); rect(6, 4, 12, 11, 13, BLACK)
rect(6, 10, 2, 11, 6, BLACK); rect(6, 11, 8, 12, 12, BLACK)
rect(7, 4, 1, 11, 5, WHITE); frame(7, 4, 1, 11, 5, BLACK); rect(7, 1, 6, 14, 11, (96, 96, 96)); rect(7, 4, 10, 11, 14, WHITE)
frame(7, 4, 10, 11, 14, BLACK)

with open(sys.argv[1], 'wb') as f:
    f.write(bmp24_bytes(img))
