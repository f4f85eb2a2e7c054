#!/usr/bin/env python3
"""Draws the program icon (3000) and the four toolbar pictures (2000-2003).

Writes res/art/quillory.ico and res/art/tb_*.bmp; run it again after changing
a picture and commit its output. Needs nothing beyond the standard library."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "art")

# The 16-colour palette of the toolbar pictures. Silver (7) is the background:
# the toolbar maps it to the button face colour.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# One character per pixel, top row first; '.' is the background. The bottom row
# stays empty: toolbars show 16x15 pictures unless told otherwise.
KEYS = {'.': 7, 'k': 0, 'r': 1, 'g': 2, 'o': 3, 'n': 4, 'p': 5, 't': 6,
        'd': 8, 'R': 9, 'G': 10, 'y': 11, 'B': 12, 'm': 13, 'c': 14, 'w': 15}

TOOLBAR = {
    "tb_help.bmp": [
        ".....nnnnnn.....",
        "....nBBBBBBn....",
        "...nBBnnnnBBn...",
        "...nBBn...nBBn..",
        "....nn....nBBn..",
        "..........nBBn..",
        ".........nBBn...",
        "........nBBn....",
        ".......nBBn.....",
        ".......nBBn.....",
        "........nn......",
        "................",
        ".......nBBn.....",
        ".......nBBn.....",
        "........nn......",
        "................",
    ],
    "tb_add.bmp": [
        "................",
        "................",
        "......gggg......",
        "......gGGg......",
        "......gGGg......",
        "......gGGg......",
        "..gggggGGggggg..",
        "..gGGGGGGGGGGg..",
        "..gGGGGGGGGGGg..",
        "..gggggGGggggg..",
        "......gGGg......",
        "......gGGg......",
        "......gGGg......",
        "......gggg......",
        "................",
        "................",
    ],
    "tb_edit.bmp": [
        "................",
        "...........kk...",
        "..........kmmk..",
        ".........kmmmmk.",
        "........kdkmmk..",
        ".......kyydkk...",
        "......kyyyok....",
        ".....kyyyok.....",
        "....kyyyok......",
        "...kyyyok.......",
        "..kwyyok........",
        "..kwwok.........",
        "..kkkk..........",
        "..kk............",
        "................",
        "................",
    ],
    "tb_remove.bmp": [
        "................",
        "................",
        "..rr........rr..",
        "..rRr......rRr..",
        "...rRr....rRr...",
        "....rRr..rRr....",
        ".....rRrrRr.....",
        "......rRRr......",
        "......rRRr......",
        ".....rRrrRr.....",
        "....rRr..rRr....",
        "...rRr....rRr...",
        "..rRr......rRr..",
        "..rr........rr..",
        "................",
        "................",
    ],
}


def bmp16(rows):
    """A 16-colour bottom-up BMP file of the given rows."""
    height, width = len(rows), len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            hi, lo = KEYS[row[x]], KEYS[row[x + 1]] if x + 1 < width else 0
            line.append(hi << 4 | lo)
        line += b"\0" * (stride - len(line))
        pixels += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + palette + bytes(pixels)


def icon_pixels(size):
    """RGBA rows of the program icon: a quill over an open book on a blue tile."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 32.0

    def put(x, y, c):
        if 0 <= x < size and 0 <= y < size:
            px[y][x] = c

    tile, edge = (38, 84, 160, 255), (20, 48, 100, 255)
    r = 5 * s
    for y in range(size):
        for x in range(size):
            cx = min(max(x + 0.5, r), size - r)
            cy = min(max(y + 0.5, r), size - r)
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= r:
                put(x, y, edge if d > r - 1.2 else tile)
    # Open book: two white pages with a dark spine.
    page, spine = (250, 250, 240, 255), (90, 60, 30, 255)
    for y in range(int(17 * s), int(27 * s)):
        for x in range(int(5 * s), int(27 * s)):
            put(x, y, page)
    for y in range(int(17 * s), int(28 * s)):
        put(int(16 * s), y, spine)
    for x in range(int(5 * s), int(27 * s)):
        put(x, int(27 * s), spine)
    # Lines of text on the pages.
    for row in (20, 23):
        for x in list(range(int(7 * s), int(14 * s))) + list(range(int(18 * s), int(25 * s))):
            put(x, int(row * s), (150, 150, 150, 255))
    # The quill: a golden feather from the top right down to the book.
    vane, shaft = (240, 200, 60, 255), (120, 80, 20, 255)
    x0, y0, x1, y1 = 26 * s, 3 * s, 13 * s, 20 * s
    steps = int(40 * s)
    for i in range(steps + 1):
        t = i / steps
        x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        width = (1.0 - t) * 3.2 * s if t < 0.85 else 0
        for k in range(-int(width) - 1, int(width) + 2):
            if abs(k) <= width:
                put(int(x + k * 0.7), int(y + k * 0.7), vane)
        put(int(x), int(y), shaft)
    return px


def ico(sizes):
    """An .ico file with one 32-bit image per size."""
    images = []
    for size in sizes:
        px = icon_pixels(size)
        xor = bytearray()
        for row in reversed(px):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(px):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, info + bytes(xor) + bytes(mask)))
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs += blob
    return head + entries + blobs


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, rows in TOOLBAR.items():
        assert len(rows) == 16 and all(len(r) == 16 for r in rows), name
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(bmp16(rows))
    with open(os.path.join(OUT, "quillory.ico"), "wb") as f:
        f.write(ico([16, 32, 48]))


if __name__ == "__main__":
    main()
