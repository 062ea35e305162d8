#!/usr/bin/env python3
"""Draws the links' pointing-hand cursor (32 by 32, two colours, hot spot at the tip of
the index finger, x 6, y 1) and writes url.cur beside this script. Run from any folder."""
import os
import struct

# X black, . white, anything else see-through; the top row is y 0.
HAND = """

      XX
     X..X
     X..X
     X..X
     X..X
     X..XXX
     X..X..XXX
     X..X..X..XX
     X..X..X..X.X
 XX  X..X..X..X.X
X..X X..........X
X...XX..........X
 X..............X
  X.............X
  X............X
   X...........X
   X..........X
    X.........X
    X.........X
     X.......X
     X.......X
     XXXXXXXXX
"""
SIZE = 32
HOT_SPOT = (6, 1)


def masks():
    """Returns the XOR (colour) and AND (see-through) masks, rows bottom up, 4 bytes each."""
    rows = HAND.split("\n")[1:]
    rows += [""] * (SIZE - len(rows))
    xor_rows, and_rows = [], []
    for row in rows[:SIZE]:
        colour, clear = 0, 0
        for x in range(SIZE):
            c = row[x] if x < len(row) else " "
            bit = 1 << (SIZE - 1 - x)
            if c == ".":
                colour |= bit
            elif c != "X":
                clear |= bit
        xor_rows.append(struct.pack(">I", colour))
        and_rows.append(struct.pack(">I", clear))
    return b"".join(reversed(xor_rows)), b"".join(reversed(and_rows))


def cursor_file():
    xor_mask, and_mask = masks()
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    palette = struct.pack("<4B4B", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "url.cur"), "wb") as f:
        f.write(cursor_file())
