#!/usr/bin/env bash
# Runs the generated workloads W1-W8 through our spreadsheet control and, side by side on
# the same machine in one run, through HyperFormula 3.5.0 on Node and (where Debian's
# packages provide it) the ixion engine; writes the table to bench/RESULTS.md.
#
#   bench/compare.sh                      everything, 10 runs after 3 warm-ups
#   RUNS=10 WARMUP=3 WORKLOADS="W1_1000 W8" bench/compare.sh
# Environment: BUILD (build folder, default build/bench), WORK (scratch folder, default a
# new temporary one), OUT (result file, default bench/RESULTS.md), NO_IXION=1 to skip it,
# LIMIT (seconds one engine may take on one workload, default 300).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD:-$ROOT/build/bench}"
WORK="${WORK:-$(mktemp -d /tmp/tq-compare.XXXXXX)}"
OUT="${OUT:-$ROOT/bench/RESULTS.md}"
RUNS="${RUNS:-10}"
WARMUP="${WARMUP:-3}"
LIMIT="${LIMIT:-300}"
WORKLOADS="${WORKLOADS:-W1_1000 W1_10000 W1_100000 W2_10000 W2_100000 W3_1000 W3_5000 W3_20000 W4_10000 W5_10000 W6_1000 W6_10000 W8}"

echo "== building the generator and our phase runner in $BUILD"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTQ_BUILD_BENCH=ON -DTQ_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target gen_workloads phase_run -j2 >/dev/null

echo "== generating the workloads in $WORK"
"$BUILD/bin/gen_workloads" "$WORK"

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

MACHINE="Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); $(date -u '+%Y-%m-%d %H:%M UTC'); load average $(cut -d' ' -f1-3 /proc/loadavg); node $(node --version); $RUNS runs after $WARMUP warm-ups."
python3 "$ROOT/bench/compare/report.py" "$LINES" "$MACHINE" > "$OUT"
echo "== written $OUT (raw figures in $LINES)"
