#!/usr/bin/env bash
# A screen reader's view: on a desktop with the accessibility bus, the main window's command buttons are
# push buttons named by their captions, and with an empty list the commands on a row are disabled. In
# English and in German, the press action of Add Alarm opens the editor, whose fields read as their
# captions and whose calendar's days read as dates, and the notification is a dialog that reads its
# message with the focus on Delete. A language the program does not have reads as English.
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

atspi() { /usr/bin/python3 "$E2E_LIB_DIR/accessible_buttons.py" "Klaxora!" "$@" 2>>"$E2E_OUT/atspi.log"; }
kill -TERM "$E2E_PROGRAM_PID"
e2e_wait_program_end "$E2E_PROGRAM_PID"

# read_windows LANG ADD EDITOR CANCEL NOTIFICATION DELETE FIELD...: under LANG, with one alarm about to
# ring, the editor that the press action of ADD opens has the FIELDs; the notification reads its message.
read_windows()
{
    local lang=$1 add=$2 editor=$3 cancel=$4 notification=$5 delete=$6 field
    shift 6
    e2e_write_alarms "09:01am^Tea time^^3^06/10/2026^^1"
    e2e_clock_set "2026-06-10 09:00:00"
    E2E_LANG=$lang e2e_start_program
    e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
    has_add() { read_buttons && grep -q "^$add	" "$list"; }
    e2e_wait "$E2E_DESKTOP_WAIT" "the button '$add' under $lang" has_add
    e2e_log "under $lang the screen reader sees: $(cut -f1 "$list" | paste -sd, -)"

    # Switch access: the press action of Add Alarm opens the editor, as a click does.
    atspi --press "$add" || e2e_fail "$add could not be pressed over the accessibility bus"
    e2e_wait_window "$E2E_PROGRAM_PID" "$editor"
    local fields="$E2E_OUT/editor-$lang.txt"
    has_calendar() { atspi --window "$editor" >"$fields" && grep -q '	list item	selected' "$fields"; }
    e2e_wait "$E2E_DESKTOP_WAIT" "the editor's fields on the accessibility bus" has_calendar
    e2e_screenshot "editor-$lang"
    for field in "$@"; do
        grep -q -x -F -e "$field" -e "$field	focused" "$fields" || e2e_fail "the editor has no '${field//	/ }' under $lang (see editor-$lang.txt)"
    done
    [ "$(grep -c '	list item' "$fields")" = 30 ] || e2e_fail "the calendar does not read as June's 30 days"
    local day
    day=$(grep '	list item	selected' "$fields" | cut -f1)
    [[ $day == *2026* ]] || e2e_fail "the selected day reads '$day', not as a date"
    grep -q -x -F "$day	label" "$fields" || e2e_fail "the selected day reads '$day', not as the editor shows the date"
    e2e_log "under $lang the calendar's selected day reads: $day"
    atspi --press "$cancel" || e2e_fail "$cancel could not be pressed over the accessibility bus"
    e2e_wait_window_gone "$E2E_PROGRAM_PID" "$editor"

    e2e_clock_forward 60
    e2e_wait_window "$E2E_PROGRAM_PID" "$notification"
    local notice="$E2E_OUT/notification-$lang.txt"
    has_message() { atspi --window "$notification" >"$notice" && grep -q -x -F "Tea time	label" "$notice"; }
    e2e_wait "$E2E_DESKTOP_WAIT" "the notification's message on the accessibility bus" has_message
    grep -q -x -F "$notification	dialog" "$notice" || e2e_fail "the notification is not a dialog under $lang (see notification-$lang.txt)"
    grep -q -x -F "$delete	push button	focused" "$notice" || e2e_fail "the focus is not on $delete under $lang"
    kill -TERM "$E2E_PROGRAM_PID"
    e2e_wait_program_end "$E2E_PROGRAM_PID"
}
read_windows en_US.UTF-8 "Add Alarm" "Alarm Description" Cancel "Alarm Notification" Delete \
    "Message	text" "Time	text" "Hours	spin button" "Minutes	spin button" "Date	list" \
    "Repeat on Monday	check box	unchecked"
read_windows de_DE.UTF-8 "Neuer Alarm" "Alarmbeschreibung" Abbrechen "Alarm" "Löschen" \
    "Meldung	text" "Zeit	text" "Stunden	spin button" "Minuten	spin button" "Datum	list" \
    "Wiederholen am Montag	check box	unchecked"

# A language the program does not have: English.
E2E_LANG=ja_JP.UTF-8 e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
has_english() { read_buttons && grep -q "^Add Alarm	" "$list"; }
e2e_wait "$E2E_DESKTOP_WAIT" "the button 'Add Alarm' under ja_JP.UTF-8" has_english
kill -TERM "$E2E_PROGRAM_PID"
e2e_wait_program_end "$E2E_PROGRAM_PID"
