#!/usr/bin/env python3
"""Builds the Code 39 test fonts: ten TrueType faces that draw each Code 39 character as its
bars, so that a preview or a rendered string can be decoded by a barcode reader.

Usage: make_code39_fonts.py OUTPUT_FOLDER

The faces are for tests and screenshots only; the product merely selects them by name.
Every face carries the same glyphs: they differ only in their names, since the dialog picks
a face by name and sizes it by points.
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.misc.timeTools import timestampFromString
from fontTools.pens.ttGlyphPen import TTGlyphPen

SIZES = ["XS", "S", "M", "L", "XL"]
# The faces with "T" stand for human-readable text under the bars; bars alone are enough
# for what the tests read.
FACE_NAMES = ["TolvekVantrix" + size + suffix for suffix in ("", "T") for size in SIZES]

# The published Code 39 patterns, shared with the help pages' pictures.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "code39"))
from code39_patterns import PATTERNS  # noqa: E402

# Characters of the encoded text that draw another character's symbol: the program writes
# the space symbol as "_", and every start and stop character is the Code 39 start/stop.
ALIASES = {"_": " "}
ALIASES.update({c: "*" for c in "*|[]#(){}"})

# One narrow module is a sixteenth of the em, so that 12 points at 96 dpi give 1-pixel
# modules and 24 points 2-pixel ones, every bar edge on a pixel boundary.
UNITS_PER_EM = 1024
NARROW = 64
WIDE = 3 * NARROW
GAP = NARROW  # the inter-character gap, part of each glyph's advance
ASCENT = 768  # ascent and descent add up to the em: the bars fill the text cell
DESCENT = 256
# A fixed date keeps the files the same from build to build.
FONT_DATE = timestampFromString("Mon Jan  1 00:00:00 2024")


def check_patterns():
    """The table is typed in by hand: refuse to build from a pattern that cannot be right."""
    seen = set()
    for char, pattern in PATTERNS.items():
        if len(pattern) != 9 or pattern.count("1") != 3 or set(pattern) - {"0", "1"}:
            sys.exit(f"pattern of {char!r} is not nine elements with three wide: {pattern}")
        if pattern in seen:
            sys.exit(f"pattern of {char!r} is used twice: {pattern}")
        seen.add(pattern)
    for char, pattern in PATTERNS.items():
        wide_spaces = pattern[1::2].count("1")
        # "$", "/", "+" and "%" have three wide spaces; every other symbol one.
        expected = 3 if char in "$/+%" else 1
        if wide_spaces != expected:
            sys.exit(f"pattern of {char!r} has {wide_spaces} wide spaces, expected {expected}")


def glyph_name(char):
    return "sym_%02X" % ord(char)


def bars_glyph(pattern):
    pen = TTGlyphPen(None)
    x = 0
    for index, element in enumerate(pattern):
        width = WIDE if element == "1" else NARROW
        if index % 2 == 0:
            # Clockwise, as TrueType wants outer contours.
            pen.moveTo((x, -DESCENT))
            pen.lineTo((x, ASCENT))
            pen.lineTo((x + width, ASCENT))
            pen.lineTo((x + width, -DESCENT))
            pen.closePath()
        x += width
    return pen.glyph(), x + GAP


def empty_glyph():
    return TTGlyphPen(None).glyph()


def build_font(face_name, path):
    glyphs = {".notdef": empty_glyph()}
    metrics = {".notdef": (UNITS_PER_EM // 2, 0)}
    cmap = {}
    for char, pattern in PATTERNS.items():
        name = glyph_name(char)
        glyphs[name], advance = bars_glyph(pattern)
        metrics[name] = (advance, 0)
        cmap[ord(char)] = name
    for char, target in ALIASES.items():
        cmap[ord(char)] = glyph_name(target)

    order = [".notdef"] + sorted(n for n in glyphs if n != ".notdef")
    builder = FontBuilder(UNITS_PER_EM, isTTF=True)
    builder.setupGlyphOrder(order)
    builder.setupCharacterMap(cmap)
    builder.setupGlyf(glyphs)
    builder.setupHorizontalMetrics(metrics)
    builder.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    # Windows finds a face by the family name (1) and shows the full name (4).
    builder.setupNameTable({
        "familyName": face_name,
        "styleName": "Regular",
        "uniqueFontIdentifier": face_name + " test font",
        "fullName": face_name,
        "psName": face_name,
        "version": "Version 1.000",
    })
    builder.setupOS2(
        sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
        usWinAscent=ASCENT, usWinDescent=DESCENT,
        fsType=0,  # installable: no embedding restriction
        achVendID="TSTF",
        ulCodePageRange1=1,  # Latin 1: the dialog asks for the ANSI character set
        usWeightClass=400,
        fsSelection=0x40,  # regular
    )
    builder.setupPost()
    builder.setupHead(unitsPerEm=UNITS_PER_EM, created=FONT_DATE, modified=FONT_DATE)
    builder.save(path)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_code39_fonts.py OUTPUT_FOLDER")
    check_patterns()
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for face in FACE_NAMES:
        build_font(face, os.path.join(folder, face + ".ttf"))


if __name__ == "__main__":
    main()
