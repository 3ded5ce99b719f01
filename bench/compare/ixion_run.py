#!/usr/bin/python3
"""Times one generated workload in phases through the ixion engine's Python module (the
calculation runs in its C++ library): load (read, parse, build cells), first calculation,
recalculation after the change. Prints one JSON line.
   ixion_run.py WORKDIR NAME [RUNS] [WARMUP]
Workloads needing functions this engine does not implement (look-ups, rounding) are
reported as not supported instead of run: an unknown function aborts its process."""
import json
import os
import resource
import sys
import time

import ixion

UNSUPPORTED = ("W6", "W8")


def parse_cell(name):
    col = 0
    i = 0
    while name[i].isalpha():
        col = col * 26 + ord(name[i]) - 64
        i += 1
    return int(name[i:]) - 1, col - 1


def read_grid(path):
    lines = open(path, encoding="utf-8").read().split("\n")
    start = lines.index("grid") + 1
    end = lines.index("end", start)
    return [line.split("\t") for line in lines[start:end]]


def put(sheet, row, col, text):
    if text == "":
        return
    if text[0] == "=":
        sheet.set_formula_cell(row, col, text[1:])
        return
    try:
        sheet.set_numeric_cell(row, col, float(text))
    except ValueError:
        sheet.set_string_cell(row, col, text)


def verify(sheet, checks):
    for cell, expected in checks:
        r, c = parse_cell(cell)
        if isinstance(expected, str):
            got = sheet.get_string_value(r, c)
            ok = got == expected
        else:
            got = sheet.get_numeric_value(r, c)
            ok = abs(got - expected) <= 1e-9 * max(1.0, abs(expected))
        if not ok:
            raise RuntimeError(f"{cell}: expected {expected!r}, got {got!r}")


def run_one(w, path):
    t0 = time.perf_counter()
    grid = read_grid(path)
    doc = ixion.Document()
    sheet = doc.append_sheet("S")
    for r, row in enumerate(grid):
        for c, text in enumerate(row):
            put(sheet, r, c, text)
    t1 = time.perf_counter()
    doc.calculate()
    t2 = time.perf_counter()
    verify(sheet, w["checks"])
    t3 = time.perf_counter()
    for cell, v in w["edits"]:
        r, c = parse_cell(cell)
        if isinstance(v, str):
            sheet.set_string_cell(r, c, v)
        else:
            sheet.set_numeric_cell(r, c, float(v))
    doc.calculate()
    t4 = time.perf_counter()
    verify(sheet, w["checksAfter"])
    return [(t1 - t0) * 1e3, (t2 - t1) * 1e3, (t4 - t3) * 1e3]


def main():
    workdir, name = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    warmup = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    out = {"engine": "ixion", "workload": name, "load": [], "calc": [], "recalc": [], "ok": True, "error": ""}
    desc = json.load(open(os.path.join(workdir, "workloads.json")))
    try:
        if name.split("_")[0] in UNSUPPORTED:
            raise RuntimeError("not supported: needs VLOOKUP/INDEX/MATCH/ROUND, which this engine lacks")
        w = next((x for x in desc["workloads"] if x["name"] == name), None)
        if w is None:
            raise RuntimeError(f"unknown workload {name}")
        for i in range(warmup + runs):
            l, c, r = run_one(w, os.path.join(workdir, w["file"]))
            if i >= warmup:
                out["load"].append(l)
                out["calc"].append(c)
                out["recalc"].append(r)
    except RuntimeError as e:
        out["ok"] = False
        out["error"] = str(e)
    out["rss_kb"] = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    print(json.dumps(out))
    return 0 if out["ok"] else 1


if __name__ == "__main__":
    sys.exit(main())
