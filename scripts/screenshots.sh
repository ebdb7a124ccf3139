#!/usr/bin/env bash
# Renews the README's pictures of the main window, empty and with a few sample alarms, the alarm editor and
# the notification (docs/empty-list.png, docs/main-window.png, docs/editor.png, docs/notification.png): the
# program runs under Xvfb with openbox on a fixed clock.
#
#   scripts/screenshots.sh [--build-dir DIR]
#
# Without --build-dir the program is built as a Release in build/release (packages through scripts/setup.sh,
# test tools included: Xvfb, Openbox, faketime, ImageMagick, xdotool).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=""
if [ "${1:-}" = "--build-dir" ] && [ -n "${2:-}" ]; then
    build="$(cd "$2" && pwd)"
elif [ -n "${1:-}" ]; then
    awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"
    exit 2
fi
if [ -z "$build" ]; then
    "$root/scripts/setup.sh"
    build="$root/build/release"
    cmake -S "$root" --preset release >/dev/null
    cmake --build "$build" --target klaxora -j"$(nproc)"
fi
docs="$root/docs"
mkdir -p "$docs"

set +e
source "$root/tests/e2e/lib.sh"
set -u -o pipefail
e2e_begin screenshots "$build/screenshots"
e2e_program_folder "$build/src/app/klaxora"
e2e_start_display
e2e_start_window_manager
e2e_use_fake_clock

# A first start: no alarms, so the commands on a row are disabled and show their embossed pictures.
e2e_write_alarms
e2e_clock_set "2027-03-15 09:41:00"
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
e2e_activate "$E2E_WINDOW"
sleep 1
import -frame -window "$E2E_WINDOW" "$docs/empty-list.png"
kill "$E2E_PROGRAM_PID"
wait "$E2E_PROGRAM_PID" 2>/dev/null

e2e_write_alarms \
    "10:30am^Team meeting in room 4^^3^03/15/2027^^0" \
    "12:15pm^Lunch with Anna^^3^03/15/2027^^0" \
    "05:45pm^Pick up the dry cleaning^^3^03/15/2027^^1" \
    "09:00am^Dentist appointment^^3^03/17/2027^^0" \
    "08:00pm^Call Mum for her birthday^^3^03/21/2027^^0"
e2e_clock_set "2027-03-15 09:41:00"
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
main=$E2E_WINDOW
e2e_activate "$main"
sleep 1
# With the window manager's frame, as a user sees the window.
import -frame -window "$main" "$docs/main-window.png"

e2e_keys alt+a
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Description"
editor=$E2E_WINDOW
e2e_type "Water the plants"
sleep 1
import -frame -window "$editor" "$docs/editor.png"
e2e_keys Escape
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Alarm Description"

e2e_clock_set "2027-03-15 10:29:58"
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification" 20
sleep 1
import -frame -window "$E2E_WINDOW" "$docs/notification.png"
e2e_keys Return

echo "Written: $docs/empty-list.png $docs/main-window.png $docs/editor.png $docs/notification.png"
