#!/usr/bin/env python3
"""Draws the pictures of the example macro library as small 24-bit BMP files:
the preview of each example macro drawing ("Macros/<module>/<name>.bmp", beside a
stand-in drawing and its property list) and the pictures of the six cut kinds
("icons/Cut*.bmp") that the cut dialog offers."""
import os

from panel_pictures import WHITE, Picture

HERE = os.path.dirname(os.path.abspath(__file__))
LIB = os.path.join(HERE, "..", "library")

STEEL = (96, 112, 128)
PLATE = (176, 188, 200)
BOLT = (40, 40, 48)
CUT = (200, 40, 40)
FRAME = (150, 150, 150)


def preview():
    p = Picture(72, 72)
    p.frame(0, 0, 72, 72, FRAME)
    return p


def bolts(p, xs, ys):
    for x in xs:
        for y in ys:
            p.disc(x, y, 3, BOLT)


# Each example macro: module, name, properties, drawing of its preview.
def plate1():
    p = preview()
    p.fill(14, 10, 58, 62, PLATE)
    bolts(p, (24, 48), (20, 36, 52))
    return p


def plate2():
    p = preview()
    p.fill(14, 10, 58, 62, PLATE)
    p.fill(33, 4, 39, 68, STEEL)
    bolts(p, (24, 48), (24, 48))
    return p


def cleat1():
    p = preview()
    p.fill(10, 30, 62, 42, STEEL)
    p.fill(20, 14, 32, 58, PLATE)
    bolts(p, (26,), (20, 52))
    return p


def fin_plate():
    p = preview()
    p.fill(8, 8, 20, 64, STEEL)
    p.fill(20, 22, 56, 50, PLATE)
    bolts(p, (36, 48), (30, 42))
    return p


def gusset():
    p = preview()
    for y in range(14, 58):
        p.fill(14, y, 14 + (58 - y), y + 1, PLATE)
    p.line(10, 62, 62, 10, STEEL)
    p.line(11, 62, 62, 11, STEEL)
    bolts(p, (26, 38), (46, 34))
    return p


MACROS = [
    ("Plates", "Plate1", ["Bolted"], plate1),
    ("Plates", "Plate2", ["Bolted", "Stiffened"], plate2),
    ("Cleats", "Cleat1", ["Bolted"], cleat1),
    ("Cleats", "FinPlate", ["Welded"], fin_plate),
    ("Bracing", "Gusset", [], gusset),
]


def icon():
    p = Picture(48, 36)
    p.frame(0, 0, 48, 36, FRAME)
    return p


def cut_prof_vs_plate():
    p = icon()
    p.fill(4, 14, 30, 22, STEEL)
    p.fill(30, 4, 34, 32, PLATE)
    p.line(29, 10, 29, 26, CUT)
    return p


def cut_prof_vs_prof():
    p = icon()
    p.fill(4, 14, 28, 22, STEEL)
    p.fill(30, 4, 40, 32, STEEL)
    p.line(28, 12, 28, 24, CUT)
    return p


def cut_prof_in_prof():
    p = icon()
    p.fill(4, 12, 44, 24, STEEL)
    p.fill(18, 4, 28, 32, PLATE)
    p.frame(17, 11, 29, 25, CUT)
    return p


def cut_three_segments():
    p = icon()
    p.fill(4, 14, 26, 22, STEEL)
    p.fill(30, 4, 40, 32, STEEL)
    p.line(26, 10, 28, 14, CUT)
    p.line(28, 14, 28, 22, CUT)
    p.line(28, 22, 26, 26, CUT)
    return p


def cut_chamfer():
    p = icon()
    p.fill(6, 8, 42, 28, STEEL)
    for i in range(10):
        p.fill(32 + i, 8, 42, 9 + i, WHITE)
    p.line(32, 8, 42, 18, CUT)
    return p


def cut_fillet():
    p = icon()
    p.fill(6, 8, 42, 28, STEEL)
    for y in range(8, 18):
        for x in range(32, 42):
            if (x - 32) ** 2 + (y - 18) ** 2 > 100:
                p.put(x, y, WHITE)
    for a in range(0, 11):
        x = 32 + a
        y = 18 - round((100 - a * a) ** 0.5)
        p.put(x, y, CUT)
    return p


ICONS = [
    ("CutProfvsPlate", cut_prof_vs_plate),
    ("CutProfvsProf", cut_prof_vs_prof),
    ("CutProfinProf", cut_prof_in_prof),
    ("CutProfvsProf3Segments", cut_three_segments),
    ("CutChamfer", cut_chamfer),
    ("CutFillet", cut_fillet),
]


def main():
    for module, name, props, draw in MACROS:
        folder = os.path.join(LIB, "Macros", module)
        os.makedirs(folder, exist_ok=True)
        draw().save_to(os.path.join(folder, name + ".bmp"))
        with open(os.path.join(folder, name + ".dwg"), "w") as f:
            f.write("Stand-in drawing of the example macro %s.\n" % name)
        if props:
            with open(os.path.join(folder, name + ".props"), "w") as f:
                f.write("".join(p + "\n" for p in props))
    for name, draw in ICONS:
        draw().save_to(os.path.join(LIB, "icons", name + ".bmp"))


if __name__ == "__main__":
    main()
