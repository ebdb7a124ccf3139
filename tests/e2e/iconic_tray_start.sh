#!/usr/bin/env bash
# A start with -iconic (as from the autostart entry) and "Minimize to System Tray" on: no window, the
# tray icon, and the alarms still ring; a click on the icon brings the window. Without a notification
# area the same start minimises to the task bar.
source "$(dirname "$0")/lib.sh"
e2e_setup iconic_tray_start "$@"
e2e_start_desktop

message="Take the medicine"
e2e_write_preferences "[Tray]" "Use=1"
e2e_write_alarms "08:00am^$message^^3^03/15/2027^^0"
e2e_clock_set "2027-03-15 07:59:40"
e2e_start_program -iconic
e2e_wait "$E2E_DESKTOP_WAIT" "the tray icon" e2e_tray_icon_shown "$E2E_PROGRAM_PID"
sleep 2
e2e_window_absent "$E2E_PROGRAM_PID" "Klaxora!" || e2e_fail "a window shows after a start with -iconic"
e2e_screenshot started-in-tray

e2e_record_start
e2e_clock_set "2027-03-15 07:59:57"
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_region_of "$E2E_WINDOW"
e2e_wait_text 30 "$E2E_REGION" "$message" "${E2E_NOTIFICATION_FONT[@]}"
e2e_expect_sound 0.05
e2e_keys Return
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_wait "$E2E_DESKTOP_WAIT" "the alarm to leave Alarms.dat" e2e_alarm_file_lacks "$message"
e2e_window_absent "$E2E_PROGRAM_PID" "Klaxora!" || e2e_fail "the alarm brought the window out of the tray"

e2e_click "$(e2e_find_tray_icon "$E2E_PROGRAM_PID")" 10 10
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
e2e_wait "$E2E_DESKTOP_WAIT" "the tray icon to go" e2e_tray_icon_absent "$E2E_PROGRAM_PID"

# On a desktop without a notification area the same start goes to the task bar, minimised, and alarms
# still ring.
kill "$E2E_PROGRAM_PID"
wait "$E2E_PROGRAM_PID" 2>/dev/null
e2e_stop_tray_host
e2e_write_alarms "08:05am^Second dose^^3^03/15/2027^^1"
e2e_start_program -iconic
e2e_wait "$E2E_DESKTOP_WAIT" "a minimised window" e2e_window_iconic "$E2E_PROGRAM_PID" "Klaxora!"
e2e_window_absent "$E2E_PROGRAM_PID" "Klaxora!" || e2e_fail "the window shows after a start with -iconic"
e2e_clock_set "2027-03-15 08:04:57"
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_region_of "$E2E_WINDOW"
e2e_wait_text 30 "$E2E_REGION" "Second dose" "${E2E_NOTIFICATION_FONT[@]}"
e2e_keys Return
e2e_wait "$E2E_DESKTOP_WAIT" "the alarm to leave Alarms.dat" e2e_alarm_file_lacks "Second dose"
e2e_window_iconic "$E2E_PROGRAM_PID" "Klaxora!" || e2e_fail "the alarm changed the minimised window"
