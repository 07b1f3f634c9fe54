#!/usr/bin/env python3
"""Writes the branding icons into a folder. Usage: make_icons.py OUTDIR
  about48.ico  the About box's face and default logo: 48 x 48, 24-bit, a blue
               disc with a white "i" in the colours of the toolbox tiles
  logo32.ico   the placeholder the splash forms' logo box carries until it is
               filled: 32 x 32, 16 colours, a framed landscape"""
import math
import os
import struct
import sys

TRANSPARENT = None


def about_face(size=48):
    centre = (size - 1) / 2.0
    radius = size / 2.0 - 1.5
    base = (0x30, 0x60, 0xC0)
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            dx, dy = x - centre, y - centre
            distance = math.hypot(dx, dy)
            if distance > radius + 0.5:
                continue
            if distance > radius - 1.5:
                pixels[y][x] = (0x10, 0x20, 0x50)  # dark rim
                continue
            # light from the upper left: brighter there, deeper blue at the lower right
            shade = 1.0 + 0.45 * (-(dx + dy) / (2 * radius))
            colour = tuple(max(0, min(255, int(c * shade))) for c in base)
            # a soft highlight crescent near the top
            hx, hy = x - centre + radius * 0.25, y - centre + radius * 0.45
            if math.hypot(hx * 0.8, hy * 1.6) < radius * 0.5:
                colour = tuple(min(255, c + 0x38) for c in colour)
            pixels[y][x] = colour
    white = (0xFF, 0xFF, 0xFF)
    shadow = (0x18, 0x30, 0x70)
    # the "i": a round dot and a stem with a foot, shadowed one pixel down-right
    def stamp(colour, offset):
        for y in range(size):
            for x in range(size):
                px, py = x - offset, y - offset
                dot = math.hypot(px - centre, py - 13.5) <= 3.6
                stem = 20 <= py <= 34 and abs(px - centre) <= 3.0
                cap = 20 <= py <= 22 and centre - 6 <= px <= centre + 3
                foot = 33 <= py <= 36 and abs(px - centre) <= 7.0
                if (dot or stem or cap or foot) and pixels[y][x] is not TRANSPARENT:
                    pixels[y][x] = colour
    stamp(shadow, 1)
    stamp(white, 0)
    return pixels


VGA = [(0, 0, 0), (0x80, 0, 0), (0, 0x80, 0), (0x80, 0x80, 0), (0, 0, 0x80), (0x80, 0, 0x80), (0, 0x80, 0x80),
       (0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80), (0xFF, 0, 0), (0, 0xFF, 0), (0xFF, 0xFF, 0), (0, 0, 0xFF),
       (0xFF, 0, 0xFF), (0, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF)]


def logo_placeholder(size=32):
    black, grey, white, sky, sun, hill, far = 0, 8, 15, 14, 11, 2, 10
    pixels = [[sky] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if x in (0, size - 1) or y in (0, size - 1):
                pixels[y][x] = black
            elif x in (1, size - 2) or y in (1, size - 2):
                pixels[y][x] = white if (x == 1 or y == 1) else grey
            elif math.hypot(x - 22, y - 9) <= 4:
                pixels[y][x] = sun
            elif y > 24 - 8 * math.exp(-((x - 11) / 6.0) ** 2):
                pixels[y][x] = hill
            elif y > 25 - 6 * math.exp(-((x - 22) / 5.0) ** 2):
                pixels[y][x] = far
    return pixels


def mask_rows(pixels, size):
    stride = ((size + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, value in enumerate(row):
            if value is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bits
    return data


def icon_24(pixels):
    size = len(pixels)
    stride = (size * 3 + 3) & ~3
    colour = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for value in row:
            red, green, blue = value if value is not TRANSPARENT else (0, 0, 0)
            line += bytes((blue, green, red))
        colour += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    return icon_file(size, 0, 24, header + colour + mask_rows(pixels, size))


def icon_4(pixels):
    size = len(pixels)
    stride = ((size * 4 + 31) // 32) * 4
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    colour = bytearray()
    for row in reversed(pixels):
        line = bytearray(stride)
        for x, value in enumerate(row):
            line[x // 2] |= value << (4 if x % 2 == 0 else 0)
        colour += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    return icon_file(size, 16, 4, header + palette + colour + mask_rows([[0] * size] * size, size))


def icon_file(size, colours, bits, image):
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "about48.ico"), "wb") as handle:
        handle.write(icon_24(about_face()))
    with open(os.path.join(out, "logo32.ico"), "wb") as handle:
        handle.write(icon_4(logo_placeholder()))


if __name__ == "__main__":
    main()
