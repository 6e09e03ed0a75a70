#!/usr/bin/env python3
"""Draws the window icon: a quill dropping into an open box.

Writes a 32 x 32 RGBA PNG (32 bits per pixel) with the standard library
only, so it can be redrawn anywhere:  python3 make_icon.py quillbox.png
"""
import math
import struct
import sys
import zlib

SIZE = 32
SAMPLES = 4  # per axis, for smooth edges

TRANSPARENT = (0, 0, 0, 0)
OUTLINE = (48, 0, 90, 255)
BOX_FRONT = (147, 112, 219, 255)
BOX_INSIDE = (75, 0, 130, 255)
LID = (192, 192, 255, 255)
FEATHER = (255, 230, 40, 255)
SHAFT = (200, 120, 0, 255)


def inside_polygon(x, y, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def distance_to_segment(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def in_feather(x, y):
    # An ellipse along the quill's axis, from the tip down into the box.
    tip, end = (27.0, 2.0), (13.0, 20.0)
    cx, cy = (tip[0] + end[0]) / 2, (tip[1] + end[1]) / 2
    ux, uy = end[0] - tip[0], end[1] - tip[1]
    length = math.hypot(ux, uy)
    ux, uy = ux / length, uy / length
    along = (x - cx) * ux + (y - cy) * uy
    across = -(x - cx) * uy + (y - cy) * ux
    return (along / (length / 2)) ** 2 + (across / 4.2) ** 2 <= 1.0


def colour_at(x, y):
    """The colour of one sample point; later shapes lie on top."""
    colour = TRANSPARENT
    back_of_box = [(6, 13), (26, 13), (29, 16), (3, 16)]
    front = [(3, 16), (29, 16), (27, 30), (5, 30)]
    if inside_polygon(x, y, back_of_box):
        colour = BOX_INSIDE
    if in_feather(x, y) and y < 17.5:
        colour = FEATHER
    if distance_to_segment(x, y, (27.0, 2.0), (15.0, 18.0)) < 0.7 and y < 17.5:
        colour = SHAFT
    if inside_polygon(x, y, front):
        colour = BOX_FRONT
        edges = list(zip(front, front[1:] + front[:1]))
        if min(distance_to_segment(x, y, a, b) for a, b in edges) < 1.1:
            colour = OUTLINE
    # The lid, folded open to the left.
    lid = [(3, 16), (9, 13), (5, 5), (0, 8)]
    if inside_polygon(x, y, lid):
        colour = LID
        if min(distance_to_segment(x, y, a, b) for a, b in zip(lid, lid[1:] + lid[:1])) < 0.8:
            colour = OUTLINE
    return colour


def pixel(px, py):
    total = [0, 0, 0, 0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            r, g, b, a = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            total[0] += r * a
            total[1] += g * a
            total[2] += b * a
            total[3] += a
    alpha = total[3]
    if alpha == 0:
        return bytes(TRANSPARENT)
    return bytes([round(total[0] / alpha), round(total[1] / alpha), round(total[2] / alpha),
                  round(alpha / SAMPLES ** 2)])


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8 bits per channel, RGBA
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else "quillbox.png"
    rows = [b"".join(pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]
    with open(target, "wb") as out:
        out.write(png(rows))


if __name__ == "__main__":
    main()
