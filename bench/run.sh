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
# -O2, as the program itself is built (g++ 12 gives false -Wrestrict warnings on std::string at -O3).
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DKLAXORA_BUILD_TESTS=OFF -DKLAXORA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target klaxora_bench klaxora_sync_bench -j"$(nproc)" >/dev/null

console="$(mktemp)"
trap 'rm -f "$console"' EXIT
"$build/bench/klaxora_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_color=false --benchmark_out="$out" --benchmark_out_format=json "$@" | tee "$console" >&2
# The calendar sync against Radicale on loopback; its JSON goes beside the first.
"$build/bench/klaxora_sync_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_color=false --benchmark_out="${out%.json}-sync.json" --benchmark_out_format=json "$@" |
  tee -a "$console" >&2

# One line per benchmark: the medians of real and CPU time, and the target (on real time) where there is one.
# On a machine that other work keeps busy, real time exceeds CPU time; the load average tells how busy.
echo
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
awk '
  function us(value, unit) {
    if (unit == "ns") return value / 1000
    if (unit == "ms") return value * 1000
    if (unit == "s") return value * 1000000
    return value
  }
  $1 ~ /_median$/ {
    name = $1; sub(/_median$/, "", name)
    # Manually timed benchmarks time one call; their CPU time includes the untimed work around it.
    manual = sub(/\/manual_time$/, "", name)
    median[name] = us($2, $3); real[name] = $2 " " $3; cpu[name] = manual ? "-" : $4 " " $5
    order[++count] = name
  }
  END {
    limit["BM_LoadAndRewrite/100000"] = 300000; shown["BM_LoadAndRewrite/100000"] = "< 300 ms"
    limit["BM_AddAlarm/100000"] = 50; shown["BM_AddAlarm/100000"] = "< 50 us"
    limit["BM_DeleteAlarm/100000"] = 50; shown["BM_DeleteAlarm/100000"] = "< 50 us"
    limit["BM_TickIdle/10000"] = 50; shown["BM_TickIdle/10000"] = "< 50 us"
    limit["BM_FirstSync/1000"] = 2000000; shown["BM_FirstSync/1000"] = "< 2 s"
    limit["BM_UnchangedSync/1000"] = 100000; shown["BM_UnchangedSync/1000"] = "< 100 ms"
    printf "%-28s %12s %12s %10s\n", "benchmark (median of 5)", "real time", "CPU time", "target"
    failed = 0
    for (i = 1; i <= count; ++i) {
      name = order[i]; verdict = ""
      if (name in limit) {
        verdict = median[name] < limit[name] ? "ok" : "MISSED"
        if (verdict == "MISSED") failed = 1
      }
      printf "%-28s %12s %12s %10s  %s\n", name, real[name], cpu[name], shown[name], verdict
    }
    big = "BM_LoadAndRewrite/100000"; small = "BM_LoadAndRewrite/10000"
    if ((big in median) && (small in median) && median[small] > 0) {
      ratio = median[big] / median[small]
      verdict = ratio < 12 ? "ok" : "MISSED"
      if (verdict == "MISSED") failed = 1
      printf "%-28s %12.2f %12s %10s  %s\n", "LoadAndRewrite 100000/10000", ratio, "", "< 12", verdict
    }
    exit failed
  }' "$console"
