#!/usr/bin/env bash
# Builds the benchmarks in a Release build (build/bench), runs each five times and prints the medians
# beside their targets. Google Benchmark's JSON goes to the file given as the first argument; further
# arguments go to the benchmark program (e.g. --benchmark_filter=BM_AddAlarm).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -lt 1 ]; then
  echo "usage: bench/run.sh <results.json> [benchmark options]" >&2
  exit 2
fi
out="$1"
shift
"$root/scripts/setup.sh"

build="$root/build/bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKLAXORA_BUILD_TESTS=OFF -DKLAXORA_BUILD_BENCH=ON \
  >/dev/null
cmake --build "$build" --target klaxora_bench -j"$(nproc)" >/dev/null

console="$(mktemp)"
trap 'rm -f "$console"' EXIT
"$build/bench/klaxora_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_color=false --benchmark_out="$out" --benchmark_out_format=json "$@" | tee "$console" >&2

# One line per benchmark: its median, and the target where there is one.
awk '
  function us(value, unit) {
    if (unit == "ns") return value / 1000
    if (unit == "ms") return value * 1000
    if (unit == "s") return value * 1000000
    return value
  }
  $1 ~ /_median$/ {
    name = $1; sub(/_median$/, "", name); sub(/\/manual_time$/, "", name)
    median[name] = us($2, $3); shown[name] = $2 " " $3; order[++count] = name
  }
  END {
    target["BM_LoadAndRewrite/100000"] = 300000
    target["BM_AddAlarm/100000"] = 50
    target["BM_DeleteAlarm/100000"] = 50
    target["BM_TickIdle/10000"] = 50
    printf "\n%-28s %14s %14s  %s\n", "benchmark (median of 5)", "time", "target", ""
    failed = 0
    for (i = 1; i <= count; ++i) {
      name = order[i]; verdict = ""; goal = ""
      if (name in target) {
        goal = "< " target[name] " us"
        verdict = median[name] < target[name] ? "ok" : "MISSED"
        if (verdict == "MISSED") failed = 1
      }
      printf "%-28s %14s %14s  %s\n", name, shown[name], goal, verdict
    }
    big = "BM_LoadAndRewrite/100000"; small = "BM_LoadAndRewrite/10000"
    if ((big in median) && (small in median) && median[small] > 0) {
      ratio = median[big] / median[small]
      verdict = ratio < 12 ? "ok" : "MISSED"
      if (verdict == "MISSED") failed = 1
      printf "%-28s %14.2f %14s  %s\n", "LoadAndRewrite 100000/10000", ratio, "< 12", verdict
    }
    exit failed
  }' "$console"
