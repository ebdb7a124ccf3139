#!/usr/bin/env bash
# Installs what building and running need and is missing (no test tools), builds Klaxora! and starts it
# from its build folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --no-test-tools
build="$root/build/release"
cmake -S "$root" --preset release >/dev/null
cmake --build "$build" --target klaxora -j"$(nproc)"
exec "$build/src/app/klaxora" "$@"
