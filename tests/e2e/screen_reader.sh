#!/usr/bin/env bash
# A screen reader's view: on a desktop with the accessibility bus, the main window's command buttons are
# push buttons named by their captions, and with an empty list the commands on a row are disabled.
source "$(dirname "$0")/lib.sh"
e2e_setup screen_reader "$@"
e2e_require_commands dbus-daemon
[ -x /usr/libexec/at-spi-bus-launcher ] || e2e_skip "the accessibility bus is not installed (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_skip "pyatspi is not installed (package python3-pyatspi)"
e2e_start_display
e2e_start_window_manager

# A session bus of our own, and the accessibility bus announced on it.
e2e_spawn dbus.log dbus-daemon --session --nofork --address="unix:path=$E2E_TMP/bus"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/bus"
e2e_wait "$E2E_DESKTOP_WAIT" "the session bus" test -S "$E2E_TMP/bus"
e2e_spawn at-spi.log /usr/libexec/at-spi-bus-launcher --launch-immediately
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

e2e_write_alarms
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"

list="$E2E_OUT/buttons.txt"
read_buttons() { /usr/bin/python3 "$E2E_LIB_DIR/accessible_buttons.py" "Klaxora!" >"$list" 2>>"$E2E_OUT/atspi.log"; }
has_exit() { read_buttons && grep -q '^Exit	' "$list"; }
e2e_wait "$E2E_DESKTOP_WAIT" "the program's buttons on the accessibility bus" has_exit
e2e_screenshot main-window

expect_button()
{
    grep -q -x -F "$1	push button	$2" "$list" || e2e_fail "no $2 push button named '$1' (see buttons.txt)"
}
for name in "Add Alarm" "Clone Alarm" "Minimize" "Exit"; do
    expect_button "$name" enabled
done
for name in "Edit Alarm" "Delete Alarm" "Adjust Time +/-"; do
    expect_button "$name" disabled
done
e2e_log "screen reader sees: $(cut -f1 "$list" | paste -sd, -)"
