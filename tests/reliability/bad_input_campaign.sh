#!/usr/bin/env bash
# A long run of the bad-input test: the built program, headless, started on thousands of random and
# damaged "Alarms.dat" and "ALARM.INI" files, several at a time; prints the figures at the end.
# Usage: tests/reliability/bad_input_campaign.sh [files (3000)] [seed (the time)] [parallel starts (nproc)]
# With KLAXORA_SANITIZE=1 the program and the test are built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Failing inputs are kept in <build>/bad-input-failures/seed-<n>, each with
# what went wrong; KLAXORA_BAD_INPUT_SEED=<n> KLAXORA_BAD_INPUT_FILES=1 runs one of them again.
# KLAXORA_BUILD=<folder> uses that build folder instead of build/bad-input(-asan).
set -euo pipefail
if [ "${1:-}" = "-h" ] || [ "${1:-}" = "--help" ]; then
  sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'
  exit 0
fi
root="$(cd "$(dirname "$0")/../.." && pwd)"
files="${1:-3000}"
seed="${2:-$(date +%s)}"
jobs="${3:-$(nproc)}"

options=(-DKLAXORA_WERROR=ON)
build="${KLAXORA_BUILD:-$root/build/bad-input}"
if [ "${KLAXORA_SANITIZE:-0}" = 1 ]; then
  options+=(-DKLAXORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  build="${KLAXORA_BUILD:-$root/build/bad-input-asan}"
  export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1}"
  export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tests/support/lsan.supp:print_suppressions=0}"
  export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
fi
cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" --target klaxora reliability_bad_input_tests -j"$(nproc)"

failures="$build/bad-input-failures"
rm -rf "$failures"
echo "bad input campaign: $files files from seed $seed, $jobs at a time"
started=$(date +%s)
status=0
KLAXORA_BAD_INPUT_FILES="$files" KLAXORA_BAD_INPUT_SEED="$seed" KLAXORA_BAD_INPUT_JOBS="$jobs" \
  KLAXORA_BAD_INPUT_KEEP="$failures" \
  "$build/tests/reliability/reliability_bad_input_tests" --gtest_filter='BadInputTest.*' || status=$?
echo "bad input campaign: $(($(date +%s) - started)) s; failing inputs: $(find "$failures" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l)"
exit "$status"
