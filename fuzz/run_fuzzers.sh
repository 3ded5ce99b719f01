#!/usr/bin/env bash
# Builds the libFuzzer programs with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (build dir build/fuzz, or $TQ_FUZZ_BUILD_DIR) and runs each
# target for N seconds, TQ_FUZZ_JOBS (default 2) at a time:
#   fuzz/run_fuzzers.sh [seconds per target, default 60] [target ...]
# Inputs that crash land in fuzz/crashes/<target>/ (replayed by CTest from then on); new
# coverage goes to a scratch corpus beside the build, not into the source tree. Prints
# executions per second and total executions per target; exits non-zero on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${TQ_FUZZ_BUILD_DIR:-build/fuzz}
jobs=${TQ_FUZZ_JOBS:-2}

if ! command -v clang++ >/dev/null; then
  echo "run_fuzzers: clang++ is missing" >&2
  exit 2
fi
# libFuzzer's runtime ships separately on Debian.
probe=$(mktemp -d)
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
  ver=$(clang++ --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -1)
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "libclang-rt-${ver}-dev"
fi
rm -rf "$probe"

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTQ_SANITIZE=ON -DTQ_BUILD_TESTS=OFF -DTQ_BUILD_FUZZ=ON -DTQ_FUZZ_LIBFUZZER=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  -DCMAKE_CXX_COMPILER_LAUNCHER="$PWD/fuzz/support/no_werror.sh" >/dev/null || exit 2

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/targets/*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
cmake --build "$build" -j"$jobs" --target $(printf 'fuzz_%s ' "${targets[@]}") || exit 2

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Targets run $jobs at a time (one core each); the table is printed in target order.
run_one() {
  local t=$1 work="$build/fuzz_work/$1"
  mkdir -p "$work/corpus" "fuzz/crashes/$t"
  local dict=()
  [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
  local log="$work/log.txt"
  "$build/bin/fuzz_$t" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="fuzz/crashes/$t/" \
    "$work/corpus" "fuzz/corpus/$t" >"$log" 2>&1
  echo $? >"$work/rc"
}
running=0
for t in "${targets[@]}"; do
  run_one "$t" &
  running=$((running + 1))
  if [ $running -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

findings=0
printf '%-16s %10s %14s  %s\n' target exec/s executions result
for t in "${targets[@]}"; do
  work="$build/fuzz_work/$t"
  log="$work/log.txt"
  rc=$(cat "$work/rc" 2>/dev/null || echo 1)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  result=ok
  if [ "$rc" -ne 0 ]; then
    result="FINDING (see $log)"
    findings=$((findings + 1))
    grep -m3 -E "ERROR: |runtime error|property failed|Test unit written" "$log" | sed 's/^/    /'
  fi
  printf '%-16s %10s %14s  %s\n' "$t" "${speed:-?}" "${execs:-?}" "$result"
done
[ $findings -eq 0 ]
