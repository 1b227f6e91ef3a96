"""Draws the default user tool icon (16 x 16, 32 bits with an alpha channel): a hammer."""
import struct
import sys

SIZE = 16
HEAD = (64, 64, 64)      # the hammer's head
HANDLE = (128, 64, 0)    # its handle


def colour_at(x, y):
    if 2 <= x <= 13 and 2 <= y <= 5:
        return HEAD
    if 6 <= x <= 9 and 6 <= y <= 14:
        return HANDLE
    return None


def icon_bytes():
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up rows
        bits = 0
        for x in range(SIZE):
            colour = colour_at(x, y)
            if colour is None:
                xor += bytes((0, 0, 0, 0))
                bits |= 1 << (SIZE - 1 - x)
            else:
                r, g, b = colour
                xor += bytes((b, g, r, 255))
        mask += struct.pack('>H', bits) + b'\0\0'  # rows padded to 4 bytes
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == '__main__':
    with open(sys.argv[1], 'wb') as out:
        out.write(icon_bytes())
