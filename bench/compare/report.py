#!/usr/bin/env python3
"""Turns the JSON lines of the phase runners into the Markdown table of RESULTS.md."""
import json
import statistics
import sys


def pct(values, p):
    if not values:
        return None
    v = sorted(values)
    k = (len(v) - 1) * p / 100.0
    lo = int(k)
    hi = min(lo + 1, len(v) - 1)
    return v[lo] + (v[hi] - v[lo]) * (k - lo)


def fmt(x):
    if x is None:
        return "-"
    return f"{x:.3f}" if x < 10 else f"{x:.1f}"


def main(path, machine):
    rows = {}
    order = []
    for line in open(path):
        line = line.strip()
        if not line.startswith("{"):
            continue
        r = json.loads(line)
        if r["workload"] not in rows:
            order.append(r["workload"])
            rows[r["workload"]] = {}
        rows[r["workload"]][r["engine"]] = r
    engines = ["tq", "hyperformula", "ixion"]
    out = ["# Benchmark results", "", machine, "",
           "Times in milliseconds: median / 95th percentile of the measured runs (after the warm-ups).",
           "load = read and parse the sheet file and build the sheet; calc = first full calculation;",
           "recalc = the workload's change and the recalculation it causes (W8: all input rows, one",
           "after another, outputs read and checked). Ratio = our median / the peer's median (below 1:",
           "we are faster). RSS = peak resident memory of the process in MiB.", ""]
    out.append("| workload | engine | load | calc | recalc | RSS MiB | load ratio | calc ratio | recalc ratio |")
    out.append("|---|---|---|---|---|---|---|---|---|")
    for w in order:
        ours = rows[w].get("tq")
        for e in engines:
            r = rows[w].get(e)
            if r is None:
                continue
            if not r["ok"]:
                out.append(f"| {w} | {e} | failed: {r['error'][:80]} | | | | | | |")
                continue
            cells = []
            for phase in ("load", "calc", "recalc"):
                cells.append(f"{fmt(statistics.median(r[phase]))} / {fmt(pct(r[phase], 95))}")
            ratios = []
            for phase in ("load", "calc", "recalc"):
                if e == "tq" or not ours or not ours["ok"]:
                    ratios.append("")
                else:
                    a, b = statistics.median(ours[phase]), statistics.median(r[phase])
                    ratios.append(f"{a / b:.3f}" if b > 0 else "-")
            rss = r.get("rss_kb", 0) / 1024.0
            out.append(f"| {w} | {e} | " + " | ".join(cells) + f" | {rss:.0f} | " + " | ".join(ratios) + " |")
    w8 = rows.get("W8", {})
    lines = []
    for e in engines:
        r = w8.get(e)
        if r and r["ok"] and r.get("sheets"):
            per = statistics.median(r["recalc"]) / r["sheets"]
            lines.append(f"- W8 {e}: {per * 1000:.1f} us per sheet, {1000.0 / per:.0f} sheets per second")
    if lines:
        out += ["", "W8 as sheets per second (plain sheet, input rows batched, outputs read):", ""] + lines
    print("\n".join(out))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "")
