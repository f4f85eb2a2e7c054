#!/usr/bin/env python3
"""Draws the program icon (3000) and the four toolbar pictures (2000-2003,
and the same at 24 and 32 pixels: 2100-2103, 2200-2203).

Writes res/art/quillory.ico and res/art/tb_*.bmp; run it again after changing
a picture and commit its output. Needs nothing beyond the standard library."""
import math
import os
import struct
import zlib

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


# The same pictures at 24 and 32 pixels (resource ids 2100-2103 and
# 2200-2203), drawn from shapes rather than by hand: each is a test of a
# pixel's centre (x, y, from 0 to 1 across the picture) that names the
# colour key there, or None for the background; a one-pixel outline is then
# drawn where the shape meets the background.

def plus_shape(x, y):
    arm = 0.14
    inside = (abs(x - 0.5) <= arm and 0.1 <= y <= 0.9) or (abs(y - 0.5) <= arm and 0.1 <= x <= 0.9)
    return 'G' if inside else None


def cross_shape(x, y):
    half = 0.09
    inside = 0.1 <= x <= 0.9 and 0.1 <= y <= 0.9 and (abs(x - y) <= half * 1.42 or abs(x + y - 1) <= half * 1.42)
    return 'R' if inside else None


def pencil_shape(x, y):
    # Along the pencil (u, from its point at the bottom left) and across it (v).
    u = ((x - 0.16) + (0.84 - y)) / (2 * 0.68)
    v = ((x - 0.16) - (0.84 - y)) / 2
    width = 0.11
    if not 0 <= u <= 1:
        return None
    if u < 0.22:
        # The sharpened end: a cone of bare wood with a dark lead.
        if abs(v) > width * u / 0.22:
            return None
        return 'k' if u < 0.08 else 'w'
    if abs(v) > width:
        return None
    if u < 0.8:
        return 'y' if v < 0.03 else 'o'
    if u < 0.86:
        return 'd'
    return 'm'


def question_shape(x, y):
    cx, cy, r, thick = 0.5, 0.33, 0.2, 0.09
    d = math.hypot(x - cx, y - cy)
    angle = math.degrees(math.atan2(cy - y, x - cx))
    if abs(d - r) <= thick and angle >= -90:
        return 'B'
    if abs(x - cx) <= thick and cy + r - thick <= y <= 0.7:
        return 'B'
    if math.hypot(x - cx, y - 0.85) <= thick * 1.1:
        return 'B'
    return None


SHAPES = {
    "tb_help": (question_shape, 'n'),
    "tb_add": (plus_shape, 'g'),
    "tb_edit": (pencil_shape, 'k'),
    "tb_remove": (cross_shape, 'r'),
}


def drawn_rows(shape, outline, size):
    """Character rows of a shape at `size` pixels, outlined where it meets the background."""
    keys = [[shape((x + 0.5) / size, (y + 0.5) / size) for x in range(size)] for y in range(size)]

    def background(x, y):
        return not (0 <= x < size and 0 <= y < size) or keys[y][x] is None

    rows = []
    for y in range(size):
        row = ""
        for x in range(size):
            if keys[y][x] is None:
                row += '.'
            elif any(background(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                row += outline
            else:
                row += keys[y][x]
        rows.append(row)
    return rows


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

    # Lines stay one pixel wide up to 48 pixels and grow with larger icons.
    line = max(1, int(s))

    def dot(x, y, c):
        for dy in range(line):
            for dx in range(line):
                put(x + dx, y + dy, c)

    tile, edge = (38, 84, 160, 255), (20, 48, 100, 255)
    r = 5 * s
    for y in range(size):
        for x in range(size):
            cx = min(max(x + 0.5, r), size - r)
            cy = min(max(y + 0.5, r), size - r)
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= r:
                put(x, y, edge if d > r - 1.2 * line else tile)
    # Open book: two white pages with a dark spine.
    page, spine = (250, 250, 240, 255), (90, 60, 30, 255)
    for y in range(int(17 * s), int(27 * s)):
        for x in range(int(5 * s), int(27 * s)):
            put(x, y, page)
    for y in range(int(17 * s), int(28 * s)):
        dot(int(16 * s), y, spine)
    for x in range(int(5 * s), int(27 * s)):
        dot(x, int(27 * s), spine)
    # Lines of text on the pages.
    for row in (20, 23):
        for x in list(range(int(7 * s), int(14 * s))) + list(range(int(18 * s), int(25 * s))):
            dot(x, int(row * s), (150, 150, 150, 255))
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
        dot(int(x), int(y), shaft)
    return px


def png_rgba(px):
    """A PNG file of RGBA rows: how icons store their 256-pixel image."""
    size = len(px)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in px)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def ico(sizes):
    """An .ico file with one 32-bit image per size; the 256-pixel one as PNG."""
    images = []
    for size in sizes:
        px = icon_pixels(size)
        if size == 256:
            images.append((size, png_rgba(px)))
            continue
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
    for name, (shape, outline) in SHAPES.items():
        for size in (24, 32):
            with open(os.path.join(OUT, "%s_%d.bmp" % (name, size)), "wb") as f:
                f.write(bmp16(drawn_rows(shape, outline, size)))
    with open(os.path.join(OUT, "quillory.ico"), "wb") as f:
        f.write(ico([16, 20, 24, 32, 40, 48, 64, 256]))


if __name__ == "__main__":
    main()
