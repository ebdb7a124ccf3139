#!/usr/bin/env bash
# A screen reader's view: on a desktop with the accessibility bus, the main window's command buttons are
# push buttons named by their captions, and with an empty list the commands on a row are disabled; the
# press action of Add Alarm opens the editor, whose fields read as their captions and whose calendar's
# days read as dates.
source "$(dirname "$0")/lib.sh"
e2e_setup screen_reader "$@"
e2e_require_commands dbus-daemon
[ -x /usr/libexec/at-spi-bus-launcher ] || e2e_skip "the accessibility bus is not installed (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_skip "pyatspi is not installed (package python3-pyatspi)"
e2e_start_display
e2e_start_window_manager
e2e_use_fake_clock
e2e_clock_set "2026-06-10 09:00:00"

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

# Switch access: the press action of Add Alarm opens the editor, as a click does.
atspi() { /usr/bin/python3 "$E2E_LIB_DIR/accessible_buttons.py" "Klaxora!" "$@" 2>>"$E2E_OUT/atspi.log"; }
atspi --press "Add Alarm" || e2e_fail "Add Alarm could not be pressed over the accessibility bus"
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Description"

# The editor's fields read as their captions, the calendar's days as dates, the shown day selected.
fields="$E2E_OUT/editor.txt"
has_calendar() { atspi --window "Alarm Description" >"$fields" && grep -q '	list item	selected$' "$fields"; }
e2e_wait "$E2E_DESKTOP_WAIT" "the editor's fields on the accessibility bus" has_calendar
e2e_screenshot editor
for field in "Message	text" "Time	text" "Hours	spin button" "Minutes	spin button" "Date	list" \
    "Repeat on Monday	check box	unchecked"; do
    grep -q -x -F "$field" "$fields" || e2e_fail "the editor has no '${field//	/ }' (see editor.txt)"
done
[ "$(grep -c '	list item' "$fields")" = 30 ] || e2e_fail "the calendar does not read as June's 30 days"
day=$(grep '	list item	selected$' "$fields" | cut -f1)
[[ $day == *2026* ]] || e2e_fail "the selected day reads '$day', not as a date"
grep -q -x -F "$day	label" "$fields" || e2e_fail "the selected day reads '$day', not as the editor shows the date"
e2e_log "the calendar's selected day reads: $day"

# The buttons speak the desktop's language: German for a German desktop, English for a language the
# program does not have.
kill -TERM "$E2E_PROGRAM_PID"
e2e_wait_program_end "$E2E_PROGRAM_PID"
for case in "de_DE.UTF-8 Neuer Alarm" "ja_JP.UTF-8 Add Alarm"; do
    E2E_LANG=${case%% *} e2e_start_program
    e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
    has_add() { read_buttons && grep -q "^${case#* }	" "$list"; }
    e2e_wait "$E2E_DESKTOP_WAIT" "the button '${case#* }' under ${case%% *}" has_add
    e2e_log "under ${case%% *} the screen reader sees: $(cut -f1 "$list" | paste -sd, -)"
    kill -TERM "$E2E_PROGRAM_PID"
    e2e_wait_program_end "$E2E_PROGRAM_PID"
done
