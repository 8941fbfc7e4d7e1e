#!/usr/bin/env python3
"""Writes resources/csv_4195.ico, the "import from CSV" toolbar icon: a small
spreadsheet with a green header row and an arrow pointing into it.

Usage: python3 tools/gen_csv_icon.py

Standard library only. The icon holds 16x16 and 32x32 images, 32 bits per
pixel with alpha, stored as DIBs (BITMAPINFOHEADER, bottom-up BGRA rows,
then a 1-bit AND mask) as Windows expects inside an .ico file.
"""

import os
import struct

TRANSPARENT = (0, 0, 0, 0)
BORDER = (0x4A, 0x55, 0x5E, 0xFF)
PAPER = (0xFF, 0xFF, 0xFF, 0xFF)
HEADER = (0x21, 0x73, 0x46, 0xFF)
GRID = (0xB4, 0xC6, 0xBA, 0xFF)
ARROW = (0x1E, 0x6F, 0xD9, 0xFF)
ARROW_EDGE = (0x0F, 0x45, 0x8C, 0xFF)


def blank(size):
    return [[TRANSPARENT] * size for _ in range(size)]


def fill(img, x0, y0, x1, y1, colour):
    """Fills the inclusive rectangle (x0, y0)-(x1, y1); y grows downward."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def draw(size):
    img = blank(size)
    if size == 32:
        sx0, sy0, sx1, sy1 = 3, 2, 26, 29      # sheet
        header_bottom = 8
        cols = (10, 18)
        rows = (13, 18, 23)
        # arrow: shaft rows, shaft x range, head tip x, head half-height
        shaft_y0, shaft_y1, shaft_x0, shaft_x1 = 19, 22, 21, 30
        tip_x, head_half = 13, 6
    else:
        sx0, sy0, sx1, sy1 = 1, 1, 13, 14
        header_bottom = 4
        cols = (5, 9)
        rows = (7, 10)
        shaft_y0, shaft_y1, shaft_x0, shaft_x1 = 10, 11, 11, 15
        tip_x, head_half = 7, 3

    # Sheet: border, paper, green header band, grid lines.
    fill(img, sx0, sy0, sx1, sy1, BORDER)
    fill(img, sx0 + 1, sy0 + 1, sx1 - 1, sy1 - 1, PAPER)
    fill(img, sx0 + 1, sy0 + 1, sx1 - 1, header_bottom, HEADER)
    for x in cols:
        fill(img, x, header_bottom + 1, x, sy1 - 1, GRID)
    for y in rows:
        fill(img, sx0 + 1, y, sx1 - 1, y, GRID)

    # Arrow pointing left, into the sheet: a shaft and a triangular head.
    mid2 = shaft_y0 + shaft_y1            # twice the arrow's centre line
    head_base = tip_x + head_half         # x where the head meets the shaft
    for x in range(tip_x, head_base + 1):
        reach = x - tip_x                 # half-height grows away from the tip
        for y in range(size):
            if abs(2 * y - mid2) <= 2 * reach + 1:
                img[y][x] = ARROW
    fill(img, head_base, shaft_y0, shaft_x1, shaft_y1, ARROW)
    # Darker edge on the arrow so it reads on the white paper.
    edge = []
    for y in range(size):
        for x in range(size):
            if img[y][x] is not ARROW:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < size and 0 <= ny < size) or img[ny][nx] is not ARROW:
                    edge.append((x, y))
                    break
    for x, y in edge:
        img[y][x] = ARROW_EDGE
    return img


def dib(img):
    size = len(img)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(img):             # DIB rows run bottom-up
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(img):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] == 0:                # transparent pixels set in the AND mask
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def ico(images):
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    blobs = []
    for img in images:
        size = len(img)
        blob = dib(img)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = os.path.join(root, "resources", "csv_4195.ico")
    data = ico([draw(16), draw(32)])
    with open(target, "wb") as f:
        f.write(data)
    print(f"wrote {len(data)} bytes to resources/csv_4195.ico")


if __name__ == "__main__":
    main()
