#!/usr/bin/env python3
"""Writes the editor's pan cursor (32 x 32, monochrome) as a .cur file:
a four-way arrow, black with a white rim, hot spot in the middle."""
import struct
import sys

SIZE = 32
MID = 16


def shape():
    """Cells of the arrow: 'b' black, 'w' white rim; everything else clear."""
    cells = {}
    black = set()
    for i in range(4, 28):
        black.add((MID, i))
        black.add((i, MID))
    for k in range(1, 5):  # arrow heads
        for d in range(-k, k + 1):
            black.add((MID + d, 4 + k))
            black.add((MID + d, 27 - k))
            black.add((4 + k, MID + d))
            black.add((27 - k, MID + d))
    for (x, y) in black:
        cells[(x, y)] = 'b'
    for (x, y) in black:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if 0 <= p[0] < SIZE and 0 <= p[1] < SIZE and p not in cells:
                    cells[p] = 'w'
    return cells


def rows(cells, want):
    out = b''
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        bits = 0
        for x in range(SIZE):
            if want(cells.get((x, y))):
                bits |= 1 << (SIZE - 1 - x)
        out += struct.pack('>I', bits)
    return out


def main(path):
    cells = shape()
    xor = rows(cells, lambda c: c == 'w')
    mask = rows(cells, lambda c: c is None)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor + mask
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, MID, MID, len(image), 22)
    with open(path, 'wb') as f:
        f.write(directory + entry + image)


if __name__ == '__main__':
    main(sys.argv[1])
