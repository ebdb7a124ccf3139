#!/usr/bin/env bash
# Fails when a C++ file of ours is not formatted as .clang-format says.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
# Listed apart, so that a missing git fails the check instead of leaving it nothing to check.
listing=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
[ -z "$listing" ] && exit 0
mapfile -t files <<<"$listing"
clang-format --dry-run --Werror "${files[@]}"
