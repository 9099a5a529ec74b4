"""Draws the launcher's icon and writes it as a Windows .ico file.

The glyph: an application window (blue title bar, light body) with an orange
arrow leaving it up and to the right, for "open the remote application". It
is described in coordinates from 0 to 1 and rasterised at each size with
supersampling (8x8, 4x4 for the 256-pixel image), so every size is drawn,
not scaled. The output is the same
bytes on every run: the build makes it from this file.

Sizes: 256 (stored as PNG), then 64, 48, 40, 32, 24, 20 and 16 pixels as
32-bit BGRA bitmaps with an AND mask.

Usage: make_icon.py OUTPUT.ico [PREVIEW.png]
"""

import struct
import sys
import zlib

SIZES = [256, 64, 48, 40, 32, 24, 20, 16]

FRAME = (0x1F, 0x4E, 0x8C)
TITLE = (0x2F, 0x6F, 0xC0)
BODY = (0xF4, 0xF7, 0xFB)
ARROW = (0xF0, 0x8A, 0x24)


def in_round_rect(x, y, x0, y0, x1, y1, r):
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def near_segment(x, y, a, b, half_width):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= half_width ** 2


def colour_at(x, y, size):
    """The colour of the glyph at (x, y), y growing downwards; None outside."""
    px = 1.0 / size                   # one pixel, so thin parts stay visible
    border = max(0.045, 1.1 * px)
    shaft = max(0.06, 1.2 * px)
    tip, head = (0.90, 0.10), 0.24
    if in_triangle(x, y, tip, (tip[0] - head, tip[1]), (tip[0], tip[1] + head)):
        return ARROW
    if near_segment(x, y, (0.42, 0.58), (tip[0] - 0.08, tip[1] + 0.08), shaft):
        return ARROW
    x0, y0, x1, y1, r = 0.05, 0.18, 0.82, 0.92, 0.08
    if not in_round_rect(x, y, x0, y0, x1, y1, r):
        return None
    if not in_round_rect(x, y, x0 + border, y0 + border, x1 - border, y1 - border,
                         max(r - border, 0.0)):
        return FRAME
    if y < y0 + 0.17:
        return TITLE
    return BODY


def render(size):
    """Rows of (r, g, b, a) pixels, top row first."""
    samples = 4 if size > 64 else 8
    rows = []
    n = samples * samples
    for j in range(size):
        row = []
        for i in range(size):
            r = g = b = hits = 0
            for sj in range(samples):
                for si in range(samples):
                    c = colour_at((i + (si + 0.5) / samples) / size,
                                  (j + (sj + 0.5) / samples) / size, size)
                    if c:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        hits += 1
            if hits:
                row.append((r // hits, g // hits, b // hits, 255 * hits // n))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(rows):
    """A 32-bit icon bitmap: header, BGRA rows bottom-up, then the AND mask."""
    size = len(rows)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows)
                      for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for i, px in enumerate(row):
            if px[3] == 0:
                line[i // 8] |= 0x80 >> (i % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + bytes(mask)


def main():
    images = []
    for size in SIZES:
        rows = render(size)
        images.append((size, png(rows) if size == 256 else dib(rows)))
        if size == 256 and len(sys.argv) > 2:
            with open(sys.argv[2], "wb") as f:
                f.write(images[-1][1])
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
