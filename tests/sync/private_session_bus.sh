#!/usr/bin/env bash
# Runs a test program on a session bus of its own, with HOME and the XDG folders in a scratch folder, so
# that a keyring the test starts holds nothing of the user's and every file written there is the test's
# to see. A keyring daemon ends with the bus.
set -euo pipefail
# Without a bus of its own the test program runs as it is, and its tests skip.
command -v dbus-run-session >/dev/null || exec "$@"
here="$(cd "$(dirname "$0")" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/data" "$scratch/config" "$scratch/cache" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" \
  XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime" KLAXORA_PRIVATE_SESSION_BUS=1
# QtKeychain chooses its backend by the desktop; unset, it takes the Secret Service.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION KDE_SESSION_VERSION
dbus-run-session --config-file="$here/private_session_bus.conf" -- "$@"
