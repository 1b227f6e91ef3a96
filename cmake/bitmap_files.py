"""File formats of the images the build draws: 24-bit bitmaps and monochrome cursors.

Imported by the drawing scripts of the folders that keep images in their resources.
"""
import struct


def bmp24_bytes(img):
    """A bottom-up 24-bit BMP file of img: rows top-down, each a list of (r, g, b)."""
    height = len(img)
    width = len(img[0])
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for (r, g, b) in img[y]:
            line += bytes((b, g, r))
        line += bytes(row - len(line))
        data += line
    file_header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return file_header + info + bytes(data)


def draw_rows(px, rows):
    """Draws a picture given as text rows into px from its top left corner: B black (0),
    W white (1); any other character leaves its pixel as it was."""
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c == "B":
                px[y][x] = 0
            elif c == "W":
                px[y][x] = 1


def cursor_bytes(px, hotspot=(0, 0)):
    """A .cur file of a square monochrome cursor: px rows top-down, each pixel None
    (transparent), 0 (black) or 1 (white)."""
    size = len(px)
    stride = size // 8
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):  # bottom-up rows
        xor_bits = bytearray(stride)
        and_bits = bytearray(stride)
        for x in range(size):
            bit = 0x80 >> (x % 8)
            value = px[y][x]
            if value is None:
                and_bits[x // 8] |= bit  # transparent
            elif value == 1:
                xor_bits[x // 8] |= bit  # white
        xor_rows.append(bytes(xor_bits))
        and_rows.append(bytes(and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


class GlyphStrip:
    """count glyphs of width x height side by side on a background colour, drawn by glyph index
    and glyph-relative coordinates; what falls outside a glyph's row of pixels is dropped."""

    def __init__(self, width, height, count, background):
        self.width, self.height = width, height
        self.img = [[background for _ in range(width * count)] for _ in range(height)]

    def put(self, i, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.img[y][i * self.width + x] = c

    def rect(self, i, x0, y0, x1, y1, c):
        """A filled rectangle, corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(i, x, y, c)

    def frame(self, i, x0, y0, x1, y1, c):
        """A one-pixel outline, corners included."""
        for x in range(x0, x1 + 1):
            self.put(i, x, y0, c)
            self.put(i, x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(i, x0, y, c)
            self.put(i, x1, y, c)
