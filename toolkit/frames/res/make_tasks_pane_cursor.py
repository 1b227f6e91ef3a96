#!/usr/bin/env python3
"""Draws the tasks pane's hand cursor, shown over tasks and group captions: a 32 x 32
monochrome hand pointing up with its index finger, white with a black outline, hot spot at
the fingertip (WTKTasksPaneHand.cur).

Usage: make_tasks_pane_cursor.py OUTPUT.cur
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../../cmake'))
from bitmap_files import cursor_bytes, draw_rows  # noqa: E402

SIZE = 32
HOT_SPOT = (5, 0)

# B black, W white, anything else transparent.
HAND = [
    "     BB",
    "    BWWB",
    "    BWWB",
    "    BWWB",
    "    BWWB",
    "    BWWBBB",
    "    BWWBWWBBB",
    "    BWWBWWBWWBB",
    " BB BWWBWWBWWBWB",
    "BWWBBWWWWWWWWWWB",
    "BWWWBWWWWWWWWWWB",
    " BWWBWWWWWWWWWWB",
    "  BWWWWWWWWWWWWB",
    "  BWWWWWWWWWWWWB",
    "   BWWWWWWWWWWWB",
    "   BWWWWWWWWWWB",
    "    BWWWWWWWWWB",
    "    BWWWWWWWWWB",
    "    BBBBBBBBBBB",
]


def hand():
    px = [[None] * SIZE for _ in range(SIZE)]
    draw_rows(px, HAND)
    return px


def main():
    path = sys.argv[1]
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(cursor_bytes(hand(), HOT_SPOT))


if __name__ == "__main__":
    main()
