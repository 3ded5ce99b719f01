#!/usr/bin/env bash
# Runs the generated workloads W1-W8 through our spreadsheet control and, side by side on
# the same machine in one run, through HyperFormula 3.5.0 on Node and (where Debian's
# packages provide it) the ixion engine; then W8 through the module (`tq eval --table`,
# process start included, every output checked, and its growth from 100 to 100,000 rows)
# and W9 (the example macro in macro mode); writes the tables to bench/RESULTS.md.
#
#   bench/compare.sh                      everything, 10 runs after 3 warm-ups
#   RUNS=10 WARMUP=3 WORKLOADS="W1_1000 W8" bench/compare.sh
# Environment: BUILD (build folder, default build/bench), WORK (scratch folder, default a
# new temporary one), OUT (result file, default bench/RESULTS.md), NO_IXION=1 to skip it,
# LIMIT (seconds one engine may take on one workload, default 300), W8_ROWS (input rows of
# W8, default 3000), GROWTH (row counts of the module's growth run, default
# 100,1000,10000,100000; empty to skip it).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD:-$ROOT/build/bench}"
WORK="${WORK:-$(mktemp -d /tmp/tq-compare.XXXXXX)}"
OUT="${OUT:-$ROOT/bench/RESULTS.md}"
RUNS="${RUNS:-10}"
WARMUP="${WARMUP:-3}"
LIMIT="${LIMIT:-300}"
W8_ROWS="${W8_ROWS:-3000}"
GROWTH="${GROWTH-100,1000,10000,100000}"
WORKLOADS="${WORKLOADS:-W1_1000 W1_10000 W1_100000 W2_10000 W2_100000 W3_1000 W3_5000 W3_20000 W4_10000 W5_10000 W6_1000 W6_10000 W8}"

echo "== building the generator and our phase runner in $BUILD"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTQ_BUILD_BENCH=ON -DTQ_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target gen_workloads phase_run tq tqarx connection_standard_bench -j2 >/dev/null

echo "== generating the workloads in $WORK"
"$BUILD/bin/gen_workloads" "$WORK" --w8-rows "$W8_ROWS"

echo "== installing HyperFormula 3.5.0 into $WORK/hf"
mkdir -p "$WORK/hf"
(cd "$WORK/hf" && [ -f package.json ] || npm init -y >/dev/null)
(cd "$WORK/hf" && npm install --no-audit --no-fund --silent hyperformula@3.5.0 >/dev/null)

IXION=""
if [ -z "${NO_IXION:-}" ]; then
  if /usr/bin/python3 -c "import ixion" 2>/dev/null; then
    IXION=1
  elif apt-cache search --names-only '^python3-ixion$' 2>/dev/null | grep -q python3-ixion; then
    echo "== installing the ixion engine's Python module from Debian"
    if apt-get install -y python3-ixion >/dev/null 2>&1 && /usr/bin/python3 -c "import ixion" 2>/dev/null; then
      IXION=1
    else
      echo "   (could not install python3-ixion: skipped)"
    fi
  else
    echo "== no ixion package in this system's archive: skipped"
  fi
fi

LINES="$WORK/results.jsonl"
: > "$LINES"
# Runs one engine on one workload and keeps its JSON line; a runner that dies without
# one (a crash, an abort inside the engine) is recorded as a failure.
# A run that takes longer than LIMIT seconds (default 300) is stopped and recorded so.
run_engine() {
  local engine="$1" w="$2"; shift 2
  local line rc=0
  line="$(timeout "$LIMIT" "$@" 2>"$WORK/$engine-$w.err" | tail -1)" || rc=$?
  if [ -z "$line" ] && [ "$rc" -eq 124 ]; then
    echo "   $engine stopped on $w after $LIMIT s"
    echo "{\"engine\":\"$engine\",\"workload\":\"$w\",\"load\":[],\"calc\":[],\"recalc\":[],\"ok\":false,\"error\":\"stopped after $LIMIT s without finishing $((RUNS + WARMUP)) runs\"}" >> "$LINES"
  elif [ -n "$line" ]; then
    echo "$line" >> "$LINES"
  else
    echo "   $engine ended without a result on $w (see $WORK/$engine-$w.err)"
    echo "{\"engine\":\"$engine\",\"workload\":\"$w\",\"load\":[],\"calc\":[],\"recalc\":[],\"ok\":false,\"error\":\"the runner crashed\"}" >> "$LINES"
  fi
}

for w in $WORKLOADS; do
  echo "== $w"
  # Each engine in a fresh process per workload, so that peak memory is the workload's.
  run_engine tq "$w" "$BUILD/bin/phase_run" "$WORK" "$w" --runs "$RUNS" --warmup "$WARMUP"
  run_engine hyperformula "$w" env NODE_PATH="$WORK/hf/node_modules" node --max-old-space-size=4096 \
    "$ROOT/bench/compare/hf_run.js" "$WORK" "$w" "$RUNS" "$WARMUP"
  if [ -n "$IXION" ]; then
    run_engine ixion "$w" /usr/bin/python3 "$ROOT/bench/compare/ixion_run.py" "$WORK" "$w" "$RUNS" "$WARMUP"
  fi
done

echo "== W8 through the module (tq eval --table, $W8_ROWS rows)"
run_engine tq W8_module python3 "$ROOT/bench/compare/tq_table_run.py" "$BUILD/bin/tq" "$WORK" "$RUNS" "$WARMUP"
if [ -n "$GROWTH" ]; then
  echo "== W8 through the module, growth ($GROWTH rows)"
  run_engine tq W8_module_growth python3 "$ROOT/bench/compare/tq_table_run.py" "$BUILD/bin/tq" "$WORK" --growth "$GROWTH"
fi
echo "== W9 (the example macro in macro mode, through the module)"
if "$BUILD/bin/connection_standard_bench" --benchmark_filter=W9 --benchmark_format=json \
     --benchmark_min_time=2 >"$WORK/w9.json" 2>"$WORK/tq-W9.err"; then
  python3 - "$WORK/w9.json" >> "$LINES" <<'PY'
import json, sys
b = [x for x in json.load(open(sys.argv[1]))["benchmarks"] if "W9" in x["name"]][0]
scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}[b["time_unit"]]
print(json.dumps({"engine": "tq", "workload": "W9", "load": [0.0], "calc": [0.0],
                  "recalc": [b["real_time"] * scale], "ok": True, "sheets": 1, "rss_kb": 0}))
PY
else
  echo '{"engine":"tq","workload":"W9","load":[],"calc":[],"recalc":[],"ok":false,"error":"WRONG VALUE or failed run (see tq-W9.err)"}' >> "$LINES"
fi

MACHINE="Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); $(date -u '+%Y-%m-%d %H:%M UTC'); load average $(cut -d' ' -f1-3 /proc/loadavg); node $(node --version); $RUNS runs after $WARMUP warm-ups."
python3 "$ROOT/bench/compare/report.py" "$LINES" "$MACHINE" > "$OUT"
echo "== written $OUT (raw figures in $LINES)"
