#!/usr/bin/env python3
"""Writes the example dialog templates (property lists over the pictures drawn by
panel_pictures.py). Each control is given in pixels of its picture; the file stores
fractions of the picture's width and height."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "library", "Dialog Templates", "Dialog Design")


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write(name, size, controls, comment):
    w, h = size
    lines = ["# " + comment, "int nrOfControls = %d" % len(controls)]
    for i, (ctype, (l, t, r, b), contents, merged) in enumerate(controls):
        lines += [
            "int type%d = %d" % (i, ctype),
            "double topLeftX%d = %r" % (i, l / w),
            "double topLeftY%d = %r" % (i, t / h),
            "double bottomRightX%d = %r" % (i, r / w),
            "double bottomRightY%d = %r" % (i, b / h),
            "string contents%d = %s" % (i, quoted(contents)),
            "string comboList%d = %s" % (i, quoted(merged)),
        ]
    with open(os.path.join(OUT, name + ".txt"), "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


write("EndPlate", (400, 280), [
    (0, (24, 8, 120, 24), "End plate", ""),
    (2, (75, 30, 125, 46), "Width", ""),
    (2, (192, 64, 226, 80), "Thickness", ""),
    (2, (330, 112, 380, 128), "Length", ""),
    (0, (24, 232, 80, 248), "Material", ""),
    (3, (84, 230, 164, 246), "S235", "Dialog Templates\\Lists\\Materials.txt"),
    (0, (176, 232, 220, 248), "Finish", ""),
    (7, (224, 230, 300, 246), "Blank", "Dialog Templates\\Lists\\Finish.txt"),
    (29, (24, 256, 120, 272), "Stiffeners", "0"),
    (30, (232, 252, 256, 276), "CornerSquare", "Corner;;;"),
    (30, (260, 252, 284, 276), "CornerChamfer", "Corner;;;"),
    (25, (300, 254, 370, 274), "Total", "Length;Thickness;;1;"),
], "End plate of a column end: plate sizes, material, finish, stiffeners, corner shape")

write("EndPlateBolts", (300, 180), [
    (2, (86, 6, 130, 22), "EdgeDistance", ""),
    (2, (105, 146, 155, 162), "Gauge", ""),
], "Bolts of the end plate: edge distance and gauge")
