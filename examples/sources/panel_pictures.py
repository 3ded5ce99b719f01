#!/usr/bin/env python3
"""Draws the background pictures of the example dialog templates as 24-bit BMP files
into the example library's "Dialog Templates/Dialog Design/" folder. White is the
transparent colour of a template picture, so the background is white."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "library", "Dialog Templates", "Dialog Design")

WHITE = (255, 255, 255)
STEEL = (96, 112, 128)
PLATE = (176, 188, 200)
BOLT = (40, 40, 48)
DIM = (0, 96, 160)


class Picture:
    def __init__(self, width, height):
        self.w, self.h = width, height
        self.px = [[WHITE] * width for _ in range(height)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill(self, l, t, r, b, c):
        for y in range(t, b):
            for x in range(l, r):
                self.put(x, y, c)

    def frame(self, l, t, r, b, c):
        for x in range(l, r):
            self.put(x, t, c)
            self.put(x, b - 1, c)
        for y in range(t, b):
            self.put(l, y, c)
            self.put(r - 1, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disc(self, cx, cy, r, c):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def hdim(self, l, r, y, c=DIM):
        """A horizontal dimension line with arrow heads and end ticks."""
        self.line(l, y, r, y, c)
        for x, s in ((l, 1), (r, -1)):
            self.line(x, y - 4, x, y + 4, c)
            self.line(x, y, x + 5 * s, y - 3, c)
            self.line(x, y, x + 5 * s, y + 3, c)

    def vdim(self, x, t, b, c=DIM):
        self.line(x, t, x, b, c)
        for y, s in ((t, 1), (b, -1)):
            self.line(x - 4, y, x + 4, y, c)
            self.line(x, y, x - 3, y + 5 * s, c)
            self.line(x, y, x + 3, y + 5 * s, c)

    def save(self, name):
        self.save_to(os.path.join(OUT, name))

    def save_to(self, path):
        """Writes the picture as a 24-bit bottom-up BMP file, making its folder."""
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for (r, g, b) in self.px[y]:
                line += bytes((b, g, r))
            line += b"\0" * (row - self.w * 3)
            data += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(header + info + data)


def end_plate():
    """A column end seen from the side with its plate on top, and the plate from above."""
    p = Picture(400, 280)
    # Column in elevation: two flanges and the web below the plate.
    p.fill(40, 80, 52, 220, STEEL)
    p.fill(148, 80, 160, 220, STEEL)
    p.fill(97, 80, 103, 220, STEEL)
    # The plate across the top, a little wider than the column.
    p.fill(24, 64, 176, 80, PLATE)
    p.frame(24, 64, 176, 80, STEEL)
    # Dimensions: plate width above, thickness at the right.
    p.hdim(24, 175, 50)
    p.vdim(188, 64, 79)
    # Plan of the plate with four bolts.
    p.fill(230, 40, 370, 200, PLATE)
    p.frame(230, 40, 370, 200, STEEL)
    for x in (260, 340):
        for y in (70, 170):
            p.disc(x, y, 7, BOLT)
    p.vdim(384, 40, 199)
    p.hdim(260, 340, 214)
    p.save("EndPlate.bmp")


def end_plate_bolts():
    """The plate with its bolt rows: gauge across and edge distance."""
    p = Picture(300, 180)
    p.fill(40, 30, 220, 150, PLATE)
    p.frame(40, 30, 220, 150, STEEL)
    for x in (80, 180):
        for y in (60, 120):
            p.disc(x, y, 8, BOLT)
    p.hdim(80, 180, 165)
    p.hdim(40, 80, 15)
    p.save("EndPlateBolts.bmp")


if __name__ == "__main__":
    end_plate()
    end_plate_bolts()
