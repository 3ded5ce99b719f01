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
    module_names = ("W8_module", "W8_module_growth", "W9")
    module = {w: rows.pop(w, {}).get("tq") for w in module_names}
    order = [w for w in order if w not in module_names]
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
    out += module_section(module, w8)
    print("\n".join(out))


def per_second(r):
    return 1000.0 * r["sheets"] / statistics.median(r["recalc"])


def module_section(module, w8):
    """W8 through the module (`tq eval --table`), its growth, and W9."""
    out = []
    m, hf, plain = module.get("W8_module"), w8.get("hyperformula"), w8.get("tq")
    if m is None and module.get("W9") is None:
        return out
    out += ["", "## Connection standards through the module", ""]
    if m is not None and not m["ok"]:
        out.append(f"- W8 through the module: failed: {m['error'][:200]}")
    elif m is not None:
        ours = per_second(m)
        out.append(f"- W8 through the module, `tq eval --table` on {m['sheets']} rows, process start included, "
                   f"every output checked: {fmt(statistics.median(m['recalc']))} ms median / "
                   f"{fmt(pct(m['recalc'], 95))} ms p95 per run, {ours:.0f} sheets per second, "
                   f"{m.get('rss_kb', 0) / 1024.0:.1f} MiB peak memory")
        if hf and hf["ok"] and hf.get("sheets"):
            theirs = per_second(hf)
            out.append(f"- HyperFormula's W8 in the same run (plain sheet built once, 30 inputs changed per row): "
                       f"{theirs:.0f} sheets per second; the module is **{ours / theirs:.1f}x** as fast "
                       f"(ratio of times {theirs / ours:.3f})")
        if plain and plain["ok"] and plain.get("sheets"):
            out.append(f"- our plain-sheet W8 in the same run: {per_second(plain):.0f} sheets per second")
    g = module.get("W8_module_growth")
    if g is not None and g["ok"]:
        out += ["", "Growth of `tq eval --table` (one run per row count, the input rows repeated):", "",
                "| rows | seconds | time per sheet | sheets per second | peak memory MiB |", "|---|---|---|---|---|"]
        for e in g["growth"]:
            per = e["seconds"] / e["rows"]
            out.append(f"| {e['rows']:,} | {e['seconds']:.3f} | {per * 1e6:.1f} us | {1.0 / per:,.0f} | "
                       f"{e['rss_kb'] / 1024.0:.1f} |")
    elif g is not None:
        out.append(f"- growth run failed: {g['error'][:200]}")
    w9 = module.get("W9")
    if w9 is not None and w9["ok"]:
        t = statistics.median(w9["recalc"])
        out += ["", f"- W9, the example EndPlate.macro in macro mode (in one process, "
                    f"`connection_standard_bench`): {t * 1000:.1f} us per evaluation, "
                    f"{1000.0 / t:,.0f} evaluations per second"]
    elif w9 is not None:
        out += ["", f"- W9 failed: {w9['error'][:200]}"]
    return out


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "")
