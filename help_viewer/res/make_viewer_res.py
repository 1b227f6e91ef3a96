#!/usr/bin/env python3
"""Draws the help viewer's pictures and its sound at build time.

Usage: make_viewer_res.py OUTPUT_FOLDER

Writes:
  Lumidoc.ico      icon 128, the frame's: a blue book with barcode bars (32 and 16 pixels)
  LoadDoc.ico      icon 129, the Load Documentation dialog's: a folder holding a book
  TabImages.bmp    bitmap 147, the content bar's tab images, 3 of 16 x 16 on magenta:
                   0 contents (a book), 1 index (a list), 2 search (a magnifier)
  Caption.bmp      bitmap 150, the caption bar's picture, 24 x 24 on magenta
  AboutPicture.bmp bitmap 159, the About box's side picture, 164 x 314
  AboutSound.wav   wave 151, a short two-note chime
"""

import math
import os
import struct
import sys

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
NAVY = (24, 52, 120)
BLUE = (48, 96, 192)
LIGHT_BLUE = (150, 190, 240)
GOLD = (236, 188, 60)
DARK_GOLD = (170, 120, 20)
GREY = (128, 128, 128)
PAPER = (250, 250, 240)


class Image:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.pixels = [[fill for _ in range(width)] for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def frame(self, x, y, w, h, colour):
        self.rect(x, y, w, 1, colour)
        self.rect(x, y + h - 1, w, 1, colour)
        self.rect(x, y, 1, h, colour)
        self.rect(x + w - 1, y, 1, h, colour)

    def disc(self, cx, cy, r, colour):
        for yy in range(int(cy - r) - 1, int(cy + r) + 2):
            for xx in range(int(cx - r) - 1, int(cx + r) + 2):
                if (xx + 0.5 - cx) ** 2 + (yy + 0.5 - cy) ** 2 <= r * r:
                    self.put(xx, yy, colour)

    def blit(self, other, x, y, transparent=None):
        for yy in range(other.height):
            for xx in range(other.width):
                colour = other.pixels[yy][xx]
                if colour != transparent:
                    self.put(x + xx, y + yy, colour)


def book(size, background):
    """A closed book seen from the front: cover, page edges on the right, barcode bars."""
    img = Image(size, size, background)
    s = size / 16.0
    left, top = int(2 * s), int(1 * s)
    width, height = int(11 * s), int(14 * s)
    img.rect(left + int(2 * s), top + int(1 * s), width, height, PAPER)
    img.frame(left + int(2 * s), top + int(1 * s), width, height, GREY)
    img.rect(left, top, width, height, BLUE)
    img.rect(left, top, max(1, int(2 * s)), height, NAVY)
    img.frame(left, top, width, height, NAVY)
    bars = [1, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0, 1]
    x = left + int(3 * s)
    step = max(1, int(s * 0.6))
    for bar in bars:
        if bar and x + step <= left + width - int(1 * s):
            img.rect(x, top + int(4 * s), step, int(6 * s), WHITE)
        x += step
    img.rect(left + int(3 * s), top + int(11 * s), int(6 * s), max(1, int(s)), GOLD)
    return img


def folder_with_book(size):
    img = Image(size, size, MAGENTA)
    s = size / 16.0
    img.rect(int(1 * s), int(4 * s), int(6 * s), int(2 * s), DARK_GOLD)
    img.rect(int(1 * s), int(5 * s), int(14 * s), int(10 * s), GOLD)
    img.frame(int(1 * s), int(5 * s), int(14 * s), int(10 * s), DARK_GOLD)
    small = book(int(10 * s), MAGENTA)
    img.blit(small, int(5 * s), int(1 * s), MAGENTA)
    img.rect(int(1 * s), int(10 * s), int(14 * s), int(5 * s), GOLD)
    img.frame(int(1 * s), int(10 * s), int(14 * s), int(5 * s), DARK_GOLD)
    return img


def index_list():
    img = Image(16, 16, MAGENTA)
    img.rect(2, 1, 12, 14, WHITE)
    img.frame(2, 1, 12, 14, GREY)
    for i, y in enumerate(range(3, 13, 2)):
        img.rect(4, y, 1, 1, NAVY)
        img.rect(6, y, 6 - (i % 3), 1, BLUE)
    return img


def magnifier():
    img = Image(16, 16, MAGENTA)
    img.disc(6.5, 6.5, 5.0, NAVY)
    img.disc(6.5, 6.5, 3.6, LIGHT_BLUE)
    img.disc(5.5, 5.5, 1.2, WHITE)
    for i in range(5):
        img.rect(10 + i, 10 + i, 2, 2, DARK_GOLD)
    return img


def tab_images():
    strip = Image(48, 16, MAGENTA)
    strip.blit(book(16, MAGENTA), 0, 0)
    strip.blit(index_list(), 16, 0)
    strip.blit(magnifier(), 32, 0)
    return strip


def about_picture():
    width, height = 164, 314
    img = Image(width, height, NAVY)
    for y in range(height):
        t = y / (height - 1)
        colour = tuple(int(a + (b - a) * t) for a, b in zip((20, 40, 110), (90, 140, 220)))
        img.rect(0, y, width, 1, colour)
    # A row of barcode bars across the middle, as the product's fonts draw them.
    pattern = "1011001011010011010110010110110100101101001101011"
    x = 18
    for i, bit in enumerate(pattern):
        w = 2 if i % 3 else 3
        if bit == "1":
            img.rect(x, 150, w, 70, WHITE)
        x += w
        if x > width - 18:
            break
    big = book(64, MAGENTA)
    img.blit(big, (width - 64) // 2, 50, MAGENTA)
    img.rect(18, 232, width - 36, 2, GOLD)
    return img


def write_bmp(path, img):
    row = (img.width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(img.height)):
        line = bytearray()
        for r, g, b in img.pixels[y]:
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, img.width, img.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def icon_image(img):
    """One icon image: 32-bit colour with alpha, then the 1-bit mask (magenta is clear)."""
    size = img.width
    colour = bytearray()
    mask = bytearray()
    mask_row = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        line = bytearray()
        for x in range(size):
            pixel = img.pixels[y][x]
            clear = pixel == MAGENTA
            r, g, b = (0, 0, 0) if clear else pixel
            colour += bytes((b, g, r, 0 if clear else 255))
            bits = (bits << 1) | (1 if clear else 0)
            if x % 8 == 7:
                line.append(bits)
                bits = 0
        line += b"\0" * (mask_row - len(line))
        mask += line
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return info + colour + mask


def write_ico(path, images):
    blobs = [icon_image(img) for img in images]
    header = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    entries = bytearray()
    for img, blob in zip(images, blobs):
        entries += struct.pack("<BBBBHHII", img.width % 256, img.height % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(blobs))


def write_chime(path):
    rate = 22050
    notes = [(880.0, 0.0, 0.35), (1318.5, 0.12, 0.45)]
    length = int(rate * 0.5)
    samples = []
    for i in range(length):
        t = i / rate
        value = 0.0
        for frequency, start, duration in notes:
            if start <= t < start + duration:
                local = t - start
                value += math.sin(2 * math.pi * frequency * local) * math.exp(-local * 9.0) * 0.35
        samples.append(int(max(-1.0, min(1.0, value)) * 32767))
    data = struct.pack("<%dh" % len(samples), *samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    riff = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(riff)) + riff)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_ico(os.path.join(out, "Lumidoc.ico"), [book(32, MAGENTA), book(16, MAGENTA)])
    write_ico(os.path.join(out, "LoadDoc.ico"), [folder_with_book(32), folder_with_book(16)])
    write_bmp(os.path.join(out, "TabImages.bmp"), tab_images())
    write_bmp(os.path.join(out, "Caption.bmp"), book(24, MAGENTA))
    write_bmp(os.path.join(out, "AboutPicture.bmp"), about_picture())
    write_chime(os.path.join(out, "AboutSound.wav"))


if __name__ == "__main__":
    main()
