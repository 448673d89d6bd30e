#!/usr/bin/env python3
"""Draws the language-bar icons of the input method and writes them as .ico
files: KeyboardClosed.ico (resource 12: the keyboard is off or the button
disabled) and KeyboardOpen.ico (resource 21: the keyboard is on), each with
32-bit images of 16, 20, 24, 32, 40 and 48 pixels.

The picture is a keyboard: a rounded body with two rows of keys and a space
bar. Open, the body is blue and the keys white; closed, all of it is grey.
Each pixel is the average of 8 x 8 samples, so the edges are smooth at
every size.

    scripts/make-keyboard-icons.py [FOLDER]    (default: src/LutemIME/resources)
"""
import os
import struct
import sys

SIZES = (16, 20, 24, 32, 40, 48)
SAMPLES = 8

# (body, outline, keys) as (red, green, blue).
OPEN = ((0, 122, 255), (0, 84, 180), (255, 255, 255))
CLOSED = ((174, 174, 178), (99, 99, 102), (242, 242, 247))


def rounded_box(x0, y0, x1, y1, radius):
    """A test for points inside a rounded rectangle (unit coordinates)."""
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def keyboard_shapes():
    """The layers, bottom first: (test, which colour)."""
    layers = [
        (rounded_box(0.02, 0.18, 0.98, 0.84, 0.12), "outline"),
        (rounded_box(0.08, 0.24, 0.92, 0.78, 0.08), "body"),
    ]
    key = 0.13
    gap = (0.84 - 5 * key) / 6
    for row, top in enumerate((0.31, 0.47)):
        shift = 0.0 if row == 0 else key / 2
        for column in range(5 - row):
            left = 0.08 + gap + shift + column * (key + gap)
            layers.append((rounded_box(left, top, left + key, top + key, 0.025), "keys"))
    layers.append((rounded_box(0.27, 0.63, 0.73, 0.71, 0.025), "keys"))
    return layers


def render(size, colours):
    body, outline, keys = colours
    by_name = {"body": body, "outline": outline, "keys": keys}
    layers = keyboard_shapes()
    pixels = []  # rows top first, each (b, g, r, a) premultiplied later
    for py in range(size):
        row = []
        for px in range(size):
            totals = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = None
                    for test, name in layers:
                        if test(x, y):
                            colour = by_name[name]
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            totals[i] += colour[i]
            count = SAMPLES * SAMPLES
            alpha = round(255 * covered / count)
            if covered:
                red, green, blue = (round(t / covered) for t in totals)
            else:
                red = green = blue = 0
            row.append((blue, green, red, alpha))
        pixels.append(row)
    return pixels


def dib(size, pixels):
    """One icon image: a BITMAPINFOHEADER of twice the height (colour and
    mask), the 32-bit colours bottom row first, then the 1-bit mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes(p) for row in reversed(pixels) for p in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, alpha) in enumerate(row):
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def write_ico(path, colours):
    images = [(size, dib(size, render(size, colours))) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src", "LutemIME", "resources")
    write_ico(os.path.join(folder, "KeyboardClosed.ico"), CLOSED)
    write_ico(os.path.join(folder, "KeyboardOpen.ico"), OPEN)


if __name__ == "__main__":
    main()
