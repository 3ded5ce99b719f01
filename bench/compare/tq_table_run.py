#!/usr/bin/env python3
"""W8 through the module: `tq eval --library LIB W8 --table INPUTS --out RESULTS`, a fresh
value-mode evaluation of the standard per input row, process start included. Every row's
status and outputs are checked against the expected table. Prints one JSON line in the
phase runners' form (the whole run in "recalc", "sheets" rows per run).

  tq_table_run.py TQ WORKDIR RUNS WARMUP            the workload's own input rows
  tq_table_run.py TQ WORKDIR --growth N1,N2,...     one run per row count (rows repeated)
"""
import json
import os
import subprocess
import sys
import time


def read_tsv(path):
    with open(path) as f:
        lines = [line.rstrip("\n").rstrip("\r") for line in f]
    while lines and not lines[-1]:
        lines.pop()
    return lines[0].split("\t"), [line.split("\t") for line in lines[1:]]


def matches(expected, got):
    try:
        v = float(got)
    except ValueError:
        return False
    return abs(expected - v) <= 1e-9 * max(1.0, abs(expected))


def age(folder):
    # As a library on a user's machine: unchanged for a while (files written in the last
    # two seconds are read again on every use).
    past = time.time() - 3600
    for root, dirs, files in os.walk(folder):
        for name in dirs + files:
            os.utime(os.path.join(root, name), (past, past))
    os.utime(folder, (past, past))


# A process forked from this script starts as a copy of it, and its peak resident size
# counts the script's own memory (the tables read so far); GNU time, a small process of its
# own, reports the peak of tq alone. Without it the figure is this script's plus tq's.
GNU_TIME = "/usr/bin/time"
PEAK_TAG = "tq-peak-kb "


def run_once(tq, lib, inputs, out):
    cmd = [tq, "eval", "--library", lib, "W8", "--table", inputs, "--out", out]
    timed = os.access(GNU_TIME, os.X_OK)
    if timed:
        cmd = [GNU_TIME, "-f", PEAK_TAG + "%M"] + cmd
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    peak = usage.ru_maxrss
    if timed:
        lines = err.rstrip("\n").split("\n")
        if lines and lines[-1].startswith(PEAK_TAG):
            peak = int(lines[-1][len(PEAK_TAG):])
            err = "\n".join(lines[:-1])
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        raise RuntimeError(f"tq exited with {code}: {err.strip()[-300:]}")
    return elapsed, peak


def check(out, expected_rows, names, rows):
    header, results = read_tsv(out)
    if len(results) != rows:
        raise RuntimeError(f"{len(results)} result rows, expected {rows}")
    status = header.index("status")
    cols = [header.index(n) for n in names]
    for r, line in enumerate(results):
        if line[status] != "ok":
            raise RuntimeError(f"row {r + 1}: {line[status]}")
        want = expected_rows[r % len(expected_rows)]
        for j, c in enumerate(cols):
            if not matches(float(want[j]), line[c]):
                raise RuntimeError(f"row {r + 1} {names[j]}: expected {want[j]}, got {line[c]!r}")


def repeated_inputs(work, n):
    header, rows = read_tsv(os.path.join(work, "W8_inputs.tsv"))
    path = os.path.join(work, f"W8_inputs_{n}.tsv")
    with open(path, "w") as f:
        f.write("\t".join(header) + "\n")
        for r in range(n):
            f.write("\t".join(rows[r % len(rows)]) + "\n")
    return path


def main():
    tq, work = sys.argv[1], sys.argv[2]
    lib = os.path.join(work, "library")
    age(lib)
    names, expected = read_tsv(os.path.join(work, "W8_expected.tsv"))
    out = os.path.join(work, "W8_results.tsv")
    if len(sys.argv) > 3 and sys.argv[3] == "--growth":
        growth = []
        for n in [int(x) for x in sys.argv[4].split(",")]:
            inputs = repeated_inputs(work, n)
            elapsed, rss = run_once(tq, lib, inputs, out)
            check(out, expected, names, n)
            growth.append({"rows": n, "seconds": elapsed, "rss_kb": rss})
            os.remove(inputs)
        print(json.dumps({"engine": "tq", "workload": "W8_module_growth", "growth": growth, "ok": True}))
        return
    runs, warmup = int(sys.argv[3]), int(sys.argv[4])
    inputs = os.path.join(work, "W8_inputs.tsv")
    rows = len(read_tsv(inputs)[1])
    times, peak = [], 0
    try:
        for i in range(warmup + runs):
            elapsed, rss = run_once(tq, lib, inputs, out)
            check(out, expected, names, rows)
            peak = max(peak, rss)
            if i >= warmup:
                times.append(elapsed * 1000.0)
        print(json.dumps({"engine": "tq", "workload": "W8_module", "load": [0.0], "calc": [0.0], "recalc": times,
                          "ok": True, "sheets": rows, "rss_kb": peak}))
    except Exception as e:  # a wrong value or a failed run is recorded, not timed
        print(json.dumps({"engine": "tq", "workload": "W8_module", "load": [], "calc": [], "recalc": [],
                          "ok": False, "error": "WRONG VALUE or failed run: " + str(e)}))
        sys.exit(1)


if __name__ == "__main__":
    main()
