#!/usr/bin/env python3
"""Draws the application icon (velora/res/velora.ico): a blue rounded square with a
white road curving up through it. Standard library only; run it again after changes."""
import math
import os
import struct

SIZE = 32


def pixel(x, y):
    cx = cy = (SIZE - 1) / 2
    r = 6
    dx = max(abs(x - cx) - (SIZE / 2 - r), 0)
    dy = max(abs(y - cy) - (SIZE / 2 - r), 0)
    if math.hypot(dx, dy) > r:
        return (0, 0, 0, 0)
    # the road: a sine curve from the bottom to the top
    road_x = cx + 6 * math.sin((y / SIZE) * math.pi * 1.6)
    if abs(x - road_x) < 2.6 - y / SIZE * 1.2:
        return (255, 255, 255, 255)
    return (40, 110, 200, 255)


def icon_bytes():
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        rows.append(b"".join(struct.pack("BBBB", b, g, r, a) for (r, g, b, a) in (pixel(x, y) for x in range(SIZE))))
    xor = b"".join(rows)
    mask_row = ((SIZE + 31) // 32) * 4
    mask = bytes(mask_row * SIZE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


if __name__ == "__main__":
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "velora", "res", "velora.ico")
    with open(out, "wb") as f:
        f.write(icon_bytes())
