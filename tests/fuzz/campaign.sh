#!/usr/bin/env bash
# A long fuzzing campaign: every target for the given number of seconds (default one hour each) with
# several workers (default: the number of processors), going on past findings so that one run collects
# them all. Afterwards each target's kept inputs in build/fuzz/corpus are reduced to a minimal set.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
seconds="${1:-3600}"
workers="${2:-$(nproc)}"

status=0
KLAXORA_FUZZ_OPTIONS="-fork=$workers -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1" \
  "$here/run.sh" "$seconds" || status=$?

build="$root/build/fuzz"
for target in alarm_file date_time_text extract_field profile icalendar; do
  minimal="$build/corpus-minimal/$target"
  rm -rf "$minimal"
  mkdir -p "$minimal"
  "$build/fuzz_$target" -merge=1 "$minimal" "$build/corpus/$target" >/dev/null 2>&1
  rm -rf "$build/corpus/$target"
  mv "$minimal" "$build/corpus/$target"
  echo "$target: $(find "$build/corpus/$target" -type f | wc -l) inputs kept"
done
exit "$status"
