#!/usr/bin/env python3
"""Draws the program's main icon (a bonus table sheet with a gold star) in 16, 32 and
48 pixels with a 256-colour palette and writes app.ico. Run from any folder."""
import os
import struct

SHEET = (250, 240, 205)
HEADER = (40, 80, 160)
LINE = (150, 130, 90)
GOLD = (240, 190, 40)
GOLD_DARK = (170, 110, 20)
EDGE = (90, 70, 40)


def draw(size):
    """Returns rows of (r, g, b) or None for see-through pixels, top row first."""
    s = size / 48.0
    px = [[None] * size for _ in range(size)]
    left, top, right, bottom = round(5 * s), round(3 * s), size - round(5 * s), size - round(3 * s)
    for y in range(top, bottom):
        for x in range(left, right):
            edge = x in (left, right - 1) or y in (top, bottom - 1)
            px[y][x] = EDGE if edge else SHEET
    header_bottom = top + max(3, round(9 * s))
    for y in range(top + 1, header_bottom):
        for x in range(left + 1, right - 1):
            px[y][x] = HEADER
    # Table lines: one fixed column and a few rows.
    col = left + max(3, round(10 * s))
    for y in range(header_bottom, bottom - 1):
        px[y][col] = LINE
    step = max(3, round(7 * s))
    for y in range(header_bottom + step, bottom - 1, step):
        for x in range(left + 1, right - 1):
            px[y][x] = LINE
    # A gold star in the lower right corner.
    cx, cy, r = right - round(11 * s), bottom - round(11 * s), max(3, round(9 * s))
    import math
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))

    def inside(x, y):
        c = False
        for i in range(len(pts)):
            (x1, y1), (x2, y2) = pts[i], pts[(i + 1) % len(pts)]
            if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
                c = not c
        return c

    for y in range(size):
        for x in range(size):
            if inside(x + 0.5, y + 0.5):
                edge = not all(inside(x + 0.5 + dx, y + 0.5 + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                px[y][x] = GOLD_DARK if edge else GOLD
    return px


def image(size):
    px = draw(size)
    palette = sorted({c for row in px for c in row if c is not None})
    palette = [(0, 0, 0)] + palette
    assert len(palette) <= 256
    index = {c: i for i, c in enumerate(palette)}
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    pal = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in palette)
    pal += b'\0' * (4 * (256 - len(palette)))
    xor_stride = (size + 3) // 4 * 4
    and_stride = ((size + 31) // 32) * 4
    xor = b''
    mask = b''
    for row in reversed(px):
        xor += bytes(index[c] if c is not None else 0 for c in row) + b'\0' * (xor_stride - size)
        bits = bytearray(and_stride)
        for x, c in enumerate(row):
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + pal + xor + mask


def main():
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'app.ico')
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
