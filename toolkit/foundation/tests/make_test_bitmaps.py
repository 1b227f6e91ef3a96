#!/usr/bin/env python3
"""Writes the image strip tests' bitmaps into a folder: strips of 16 x 15 images made of
vertical bands of 4 pixels, so a test samples one pixel per band.

  ImagesStrip24.bmp  24 bits, 2 images: [black, 0x808080, 0xC0C0C0, white], [red, 0xC0C0C0, magenta, blue]
  ImagesStrip4.bmp   4 bits, the same 2 images
  ImagesMore24.bmp   24 bits, 1 image: [white, black, 0x808080, 0xC0C0C0]
"""

import os
import struct
import sys

W, H = 16, 15
BLACK, GREY, FACE, WHITE = 0x000000, 0x808080, 0xC0C0C0, 0xFFFFFF
RED, MAGENTA, BLUE = 0xFF0000, 0xFF00FF, 0x0000FF  # 0xRRGGBB


def image(bands):
    return [[bands[x // 4] for x in range(W)] for _ in range(H)]


def strip(images):
    return [sum((img[y] for img in images), []) for y in range(H)]


def bmp(pixels, bits):
    height, width = len(pixels), len(pixels[0])
    palette = []
    if bits <= 8:
        palette = sorted({c for row in pixels for c in row})
        assert len(palette) <= 1 << bits
        palette += [0] * ((1 << bits) - len(palette))
    stride = ((width * bits + 31) // 32) * 4
    rows = []
    for row in reversed(pixels):
        if bits == 24:
            data = b"".join(struct.pack("<BBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16) for c in row)
        else:
            idx = [palette.index(c) for c in row] + [0]
            data = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, width, 2))
        rows.append(data + b"\0" * (stride - len(data)))
    bits_data = b"".join(rows)
    table = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in palette)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(bits_data), 2835, 2835,
                       len(palette), 0)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits_data), 0, 0, offset) + info + table + bits_data


def main(folder):
    os.makedirs(folder, exist_ok=True)
    two = strip([image([BLACK, GREY, FACE, WHITE]), image([RED, FACE, MAGENTA, BLUE])])
    files = {
        "ImagesStrip24.bmp": bmp(two, 24),
        "ImagesStrip4.bmp": bmp(two, 4),
        "ImagesMore24.bmp": bmp(strip([image([WHITE, BLACK, GREY, FACE])]), 24),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
