#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build/fuzz and runs each for the given number of seconds (default 20), starting from the seed inputs in
# tests/fuzz/corpus and from what earlier runs kept in build/fuzz/corpus. Prints the executions and
# findings of each target and fails when any target found something; findings are kept in
# build/fuzz/findings/<target>/. Further libFuzzer options can be given in KLAXORA_FUZZ_OPTIONS.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
seconds="${1:-20}"
"$root/scripts/setup.sh"

build="$root/build/fuzz"
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

targets=(alarm_file date_time_text extract_field profile icalendar)
read -r -a options <<<"${KLAXORA_FUZZ_OPTIONS:-}"
failed=0
printf '%-16s %12s %9s\n' "fuzz target" "executions" "findings"
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/logs/$target.log"
  rm -rf "$findings"
  mkdir -p "$work" "$findings" "$build/logs"
  status=0
  (cd "$build/logs" && "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "${options[@]}" "$work" "$here/corpus/$target") \
    >"$log" 2>&1 || status=$?
  executions="$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | awk '{n += $2} END {print n + 0}' || true)"
  if [ "$executions" -eq 0 ]; then # fork mode prints no final stats, only status lines
    executions="$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#' || true)"
  fi
  count="$(find "$findings" -type f | wc -l)"
  printf '%-16s %12s %9s\n' "$target" "${executions:-0}" "$count"
  if [ "$count" -ne 0 ] || [ "$status" -ne 0 ]; then
    failed=1
    echo "  fuzz_$target failed (exit $status); log: $log" >&2
    grep -m 5 -E 'ERROR|property broken|runtime error' "$log" | sed 's/^/  /' >&2 || true
    find "$findings" -type f | sed 's/^/  finding: /' >&2
  fi
done
exit "$failed"
