#!/usr/bin/env python3
"""Draws the plug-in's icon, resources/stats.ico: a 32x32 16-colour image of a
bar chart on the windows' shared pale-yellow background, fully opaque.

Run it again only to change the picture; the icon file is committed so that the
build needs no script."""
import pathlib
import struct

SIZE = 32
# Palette index: 0 black, 1 background RGB(255,250,198), 2 blue, 3 red.
PALETTE = [(0, 0, 0), (255, 250, 198), (0, 64, 160), (200, 0, 0)] + [(0, 0, 0)] * 12


def pixel(x, y):
    """Palette index at (x, y), y counting down from the top."""
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return 0
    if y == 26 and 4 <= x <= 27:
        return 0  # base line
    for left, top, colour in ((6, 16, 2), (13, 9, 3), (20, 5, 2)):
        if left <= x < left + 5 and top <= y < 26:
            return colour
    return 1


def icon_bytes():
    xor = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        for x in range(0, SIZE, 2):
            xor.append(pixel(x, y) << 4 | pixel(x + 1, y))
    mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = pathlib.Path(__file__).resolve().parent.parent / "resources" / "stats.ico"
    out.write_bytes(icon_bytes())
    print(f"{out}: {out.stat().st_size} bytes")
