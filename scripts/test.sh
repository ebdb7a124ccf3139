#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and with
# AddressSanitizer + UndefinedBehaviorSanitizer, builds the Release a user builds, checks the formatting
# and runs every test, among them the start of that Release and the checks of its Debian package.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/check-format.sh"

# The Release of scripts/run.sh (its preset), in a folder of its own; only warnings are errors here, so a
# warning or a link error that only an optimised build shows fails the test command.
release="$root/build/release-check"
cmake -S "$root" --preset release -B "$release" -DKLAXORA_WERROR=ON >/dev/null
cmake --build "$release" -j"$(nproc)"

build="$root/build/sanitize"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKLAXORA_SANITIZE=ON -DKLAXORA_WERROR=ON \
  -DKLAXORA_RELEASE_BUILD="$release" >/dev/null
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$build/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Fuzz smoke test: each fuzz target (built with clang) runs for a short, bounded time; a finding fails.
# tests/fuzz/campaign.sh runs the long campaigns.
"$root/tests/fuzz/run.sh" 15

# CTest's summary closes the output.
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
