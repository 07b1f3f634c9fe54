#!/usr/bin/env python3
"""Writes the controls' toolbox bitmaps (16 x 15 pixels, 24-bit) into a folder:
a framed tile with the control's two-letter mark. Usage: make_bitmaps.py OUTDIR"""
import os
import struct
import sys

# resource number: (mark, tile colour as RGB)
CONTROLS = {
    30000: ("SS", (0x30, 0x60, 0xC0)), 30001: ("AB", (0x30, 0x60, 0xC0)),
    30002: ("FV", (0x80, 0x50, 0x20)), 30003: ("EI", (0x80, 0x50, 0x20)),
    30004: ("HE", (0x20, 0x80, 0x80)), 30005: ("HL", (0x20, 0x80, 0x80)),
    30006: ("LL", (0x60, 0x30, 0x90)), 30007: ("LS", (0x20, 0x70, 0x30)),
    30008: ("MA", (0xA0, 0x30, 0x30)), 30009: ("ME", (0x20, 0x70, 0x30)),
    30010: ("NU", (0xA0, 0x30, 0x30)), 30011: ("PO", (0x20, 0x70, 0x30)),
    30012: ("SM", (0x20, 0x70, 0x30)), 30013: ("SF", (0x20, 0x70, 0x30)),
    30014: ("ST", (0x60, 0x30, 0x90)), 30015: ("WI", (0x20, 0x70, 0x30)),
    30016: ("WV", (0x20, 0x70, 0x30)), 30017: ("DI", (0x20, 0x70, 0x30)),
}

# 3 x 5 glyphs, one string of rows per letter
FONT = {
    "A": ["010", "101", "111", "101", "101"], "B": ["110", "101", "110", "101", "110"],
    "D": ["110", "101", "101", "101", "110"], "E": ["111", "100", "110", "100", "111"],
    "F": ["111", "100", "110", "100", "100"], "H": ["101", "101", "111", "101", "101"],
    "I": ["111", "010", "010", "010", "111"], "L": ["100", "100", "100", "100", "111"],
    "M": ["101", "111", "111", "101", "101"], "N": ["101", "111", "111", "111", "101"],
    "O": ["111", "101", "101", "101", "111"], "P": ["110", "101", "110", "100", "100"],
    "S": ["011", "100", "010", "001", "110"], "T": ["111", "010", "010", "010", "010"],
    "U": ["101", "101", "101", "101", "111"], "V": ["101", "101", "101", "101", "010"],
    "W": ["101", "101", "111", "111", "101"],
}

WIDTH, HEIGHT = 16, 15


def tile(mark, colour):
    grey = (0xC0, 0xC0, 0xC0)
    pixels = [[grey] * WIDTH for _ in range(HEIGHT)]
    for y in range(1, HEIGHT - 1):
        for x in range(1, WIDTH - 1):
            edge = y in (1, HEIGHT - 2) or x in (1, WIDTH - 2)
            pixels[y][x] = (0, 0, 0) if edge else colour
    for index, letter in enumerate(mark):
        left = 3 + index * 6
        for row, bits in enumerate(FONT[letter]):
            for column, bit in enumerate(bits):
                if bit == "1":
                    pixels[5 + row][left + column] = (0xFF, 0xFF, 0xFF)
    return pixels


def bitmap(pixels):
    row_size = (WIDTH * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for red, green, blue in row:
            line += bytes((blue, green, red))
        data += line + b"\0" * (row_size - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
    return file_header + header + data


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for number, (mark, colour) in CONTROLS.items():
        with open(os.path.join(out, f"toolbox{number}.bmp"), "wb") as handle:
            handle.write(bitmap(tile(mark, colour)))


if __name__ == "__main__":
    main()
