#!/usr/bin/env python3
"""Draws the library's cursors and icons and writes them as .cur/.ico files.

Run from anywhere; the files are written next to this script:
    resize.cur     cursor 102: column resize, monochrome, 32x32 and 16x16
    nodrop.cur     cursor 103: arrow with a circle and slash, 16 colours, 32x32
    drop.cur       cursor 104: arrow with stacked pages, 16 colours, 32x32
    sort_up.ico    icon 105: red arrow pointing up, 16 colours, 16x16, 24x24 and 32x32
    sort_down.ico  icon 106: red arrow pointing down, 16 colours, 16x16, 24x24 and 32x32

The output depends only on this script, so running it again reproduces the checked-in files
byte for byte.
"""

import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE_16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARK_RED, LIGHT_GRAY, DARK_GRAY, RED, WHITE = 0, 1, 7, 8, 9, 15

# Monochrome images use a two-entry palette: index 0 black, index 1 white.
PALETTE_2 = [(0x00, 0x00, 0x00), (0xFF, 0xFF, 0xFF)]

# The mouse pointer arrow shared by both drag cursors; its tip is the top-left pixel.
# X black, o white, . transparent.
ARROW = [
    "X...........",
    "XX..........",
    "XoX.........",
    "XooX........",
    "XoooX.......",
    "XooooX......",
    "XoooooX.....",
    "XooooooX....",
    "XoooooooX...",
    "XooooooooX..",
    "XoooooooooX.",
    "XooooooXXXXX",
    "XoooXooX....",
    "XooX.XooX...",
    "XoX..XooX...",
    "XX....XooX..",
    "X.....XooX..",
    ".......XooX.",
    ".......XooX.",
    "........XX..",
]
ARROW_COLOURS = {"X": BLACK, "o": WHITE}


class Canvas:
    """A square of palette indexes; None marks a transparent pixel."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]

    def inside(self, x, y):
        return 0 <= x < self.size and 0 <= y < self.size

    def set(self, x, y, colour):
        if self.inside(x, y):
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x] if self.inside(x, y) else None

    def fill_rect(self, left, top, right, bottom, colour):
        """Fills the rectangle with both corners included."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.set(x, y, colour)

    def frame_rect(self, left, top, right, bottom, border, fill):
        self.fill_rect(left, top, right, bottom, border)
        self.fill_rect(left + 1, top + 1, right - 1, bottom - 1, fill)

    def fill_where(self, test, colour):
        for y in range(self.size):
            for x in range(self.size):
                if test(x, y):
                    self.pixels[y][x] = colour

    def stamp(self, rows, colours, left, top):
        """Copies a character picture with its top-left corner at (left, top)."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in colours:
                    self.set(left + dx, top + dy, colours[ch])

    def outline(self, shape, colour):
        """Gives every transparent pixel that touches a `shape` pixel (also diagonally) the
        colour, so that the shape stays visible on a background of its own colour."""
        ring = []
        for y in range(self.size):
            for x in range(self.size):
                if self.pixels[y][x] is not None:
                    continue
                if any(self.get(x + dx, y + dy) == shape for dx in (-1, 0, 1)
                       for dy in (-1, 0, 1)):
                    ring.append((x, y))
        for x, y in ring:
            self.pixels[y][x] = colour


# ---------------------------------------------------------------------------------------------
# Pictures


def draw_resize(size):
    """Two vertical bars with an arrow pointing left and one pointing right, centred on the
    hot spot; black with a white rim. Returns the canvas and the hot spot."""
    if size == 32:
        centre, gap, bar_width, bar_half, tip_dist, head, shaft_half = 15, 2, 2, 9, 14, 5, 1
    else:
        centre, gap, bar_width, bar_half, tip_dist, head, shaft_half = 8, 1, 1, 6, 6, 2, 0
    c = Canvas(size)
    top, bottom = centre - bar_half, centre + bar_half
    left_bar = (centre - gap - bar_width + 1, centre - gap)
    right_bar = (centre + gap, centre + gap + bar_width - 1)
    c.fill_rect(left_bar[0], top, left_bar[1], bottom, BLACK)
    c.fill_rect(right_bar[0], top, right_bar[1], bottom, BLACK)
    # The slot between the bars is white so the column edge under the hot spot shows as a gap.
    c.fill_rect(left_bar[1] + 1, top, right_bar[0] - 1, bottom, WHITE)
    for side in (-1, 1):
        tip = centre + side * tip_dist
        for k in range(head + 1):
            x = tip - side * k
            c.fill_rect(x, centre - k, x, centre + k, BLACK)
        shaft_from = tip - side * (head + 1)
        shaft_to = (left_bar[0] - 2) if side < 0 else (right_bar[1] + 2)
        lo, hi = sorted((shaft_from, shaft_to))
        c.fill_rect(lo, centre - shaft_half, hi, centre + shaft_half, BLACK)
    c.outline(BLACK, WHITE)
    return c, (centre, centre)


def draw_no_drop():
    """The pointer arrow with its tip on the hot spot and a red circle with a slash beside
    its lower left."""
    c = Canvas(32)
    hot = (17, 10)
    cx, cy = 9.0, 23.0

    def dist2(x, y):
        return (x - cx) ** 2 + (y - cy) ** 2

    c.fill_where(lambda x, y: dist2(x, y) <= 7.6 ** 2, BLACK)
    c.fill_where(lambda x, y: dist2(x, y) <= 6.6 ** 2, RED)
    c.fill_where(lambda x, y: dist2(x, y) <= 4.5 ** 2, WHITE)
    # The slash runs from top left to bottom right across the circle.
    c.fill_where(lambda x, y: dist2(x, y) <= 5.0 ** 2 and abs((x - cx) - (y - cy)) <= 1, RED)
    c.stamp(ARROW, ARROW_COLOURS, *hot)
    return c, hot


def draw_drop():
    """The pointer arrow with its tip on the hot spot over three stacked pages."""
    c = Canvas(32)
    hot = (7, 0)
    for i, fill in enumerate((LIGHT_GRAY, LIGHT_GRAY, WHITE)):
        left, top = 17 + 2 * i, 14 + 2 * i
        c.frame_rect(left, top, left + 9, top + 12, BLACK, fill)
    for y in (21, 23, 25, 27):  # lines of text on the front page
        c.fill_rect(23, y, 28, y, DARK_GRAY)
    c.stamp(ARROW, ARROW_COLOURS, *hot)
    return c, hot


def draw_sort_arrow(up, size=16):
    """A small red arrow in the left part of a square icon of `size` pixels; the rest is
    transparent. The shape is laid out on a 16-unit square and sampled at each pixel's centre,
    so every size is drawn sharp rather than stretched from the 16-pixel one."""
    c = Canvas(size)
    scale = size / 16

    def inside(x, y):
        u, v = (x + 0.5) / scale, (y + 0.5) / scale
        if not up:
            v = 16 - v
        head = 4 <= v < 8 and abs(u - 4.5) <= v - 4  # rows of widths 1, 3, 5, 7 at 16 pixels
        shaft = 3 <= u < 6 and 8 <= v < 12
        return head or shaft

    c.fill_where(inside, RED)
    # A darker rim keeps the arrow crisp on a light button face; as wide as a 16-unit pixel.
    for _ in range(round(scale)):
        c.outline(RED, DARK_RED)
        c.fill_where(lambda x, y: c.get(x, y) == DARK_RED, RED)
    c.fill_where(lambda x, y: c.get(x, y) == RED and not inside(x, y), DARK_RED)
    return c, None


# ---------------------------------------------------------------------------------------------
# File encoding


def pack_rows(rows, bit_count):
    """Packs rows of values (bottom row first) into DIB scan lines padded to 4 bytes."""
    out = bytearray()
    per_byte = 8 // bit_count
    for row in rows:
        line = bytearray()
        for start in range(0, len(row), per_byte):
            byte = 0
            for i, value in enumerate(row[start:start + per_byte]):
                byte |= value << (8 - bit_count * (i + 1))
            line.append(byte)
        line.extend(b"\0" * (-len(line) % 4))
        out += line
    return bytes(out)


def encode_dib(canvas, bit_count):
    """One icon or cursor image: BITMAPINFOHEADER (height doubled for the mask), palette,
    colour (XOR) bitmap, then transparency (AND) mask; both bitmaps bottom-up."""
    if bit_count == 1:
        palette = PALETTE_2
        to_index = {BLACK: 0, WHITE: 1}
    else:
        palette = PALETTE_16
        to_index = {i: i for i in range(16)}
    xor_rows, and_rows = [], []
    for row in reversed(canvas.pixels):
        xor_rows.append([0 if p is None else to_index[p] for p in row])
        and_rows.append([1 if p is None else 0 for p in row])
    xor_bits = pack_rows(xor_rows, bit_count)
    and_bits = pack_rows(and_rows, 1)
    header = struct.pack("<IiiHHIIiiII", 40, canvas.size, canvas.size * 2, 1, bit_count, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor_bits + and_bits


def encode_directory(images, is_cursor):
    """An ICONDIR (type 1) or cursor directory (type 2) with its entries, then the images.
    `images` holds (canvas, bit_count, hot_spot) triples."""
    blobs = [encode_dib(canvas, bits) for canvas, bits, _ in images]
    out = struct.pack("<HHH", 0, 2 if is_cursor else 1, len(images))
    offset = 6 + 16 * len(images)
    for (canvas, bits, hot), blob in zip(images, blobs):
        size_byte = canvas.size if canvas.size < 256 else 0
        if is_cursor:
            field1, field2 = hot
        else:
            field1, field2 = 1, bits  # planes, bits per pixel
        out += struct.pack("<BBBBHHII", size_byte, size_byte, 1 << bits, 0, field1, field2,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def build_all():
    """Returns {file name: file bytes} for every resource file."""
    big, big_hot = draw_resize(32)
    small, small_hot = draw_resize(16)
    no_drop, no_drop_hot = draw_no_drop()
    drop, drop_hot = draw_drop()
    arrow_sizes = (16, 24, 32)  # 96, 144 and 192 DPI; other DPIs scale the nearest
    ups = [draw_sort_arrow(True, size)[0] for size in arrow_sizes]
    downs = [draw_sort_arrow(False, size)[0] for size in arrow_sizes]
    return {
        "resize.cur": encode_directory([(big, 1, big_hot), (small, 1, small_hot)], True),
        "nodrop.cur": encode_directory([(no_drop, 4, no_drop_hot)], True),
        "drop.cur": encode_directory([(drop, 4, drop_hot)], True),
        "sort_up.ico": encode_directory([(up, 4, None) for up in ups], False),
        "sort_down.ico": encode_directory([(down, 4, None) for down in downs], False),
    }


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, data in build_all().items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
