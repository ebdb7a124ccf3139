#!/usr/bin/env bash
# The notification area: "&Minimize" with "Minimize to System Tray" on hides the window and shows the
# tray icon; a click on the icon brings the window back. An alarm falls due while the program sits in
# the tray: the notification comes, the program stays in the tray. Exit from the tray menu asks, and
# No leaves the program in the tray.
source "$(dirname "$0")/lib.sh"
e2e_setup tray "$@"
e2e_start_desktop

message="Call the garage"
e2e_write_preferences "[Tray]" "Use=1"
e2e_write_alarms "10:00am^$message^^3^03/15/2027^^1"
e2e_clock_set "2027-03-15 09:58:00"
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
main=$E2E_WINDOW
e2e_tray_icon_absent "$E2E_PROGRAM_PID" || e2e_fail "a tray icon while the window is shown"

minimize_to_tray()
{
    e2e_activate "$main"
    e2e_keys alt+m
    e2e_wait_window_gone "$E2E_PROGRAM_PID" "Klaxora!"
    e2e_wait "$E2E_DESKTOP_WAIT" "the tray icon" e2e_tray_icon_shown "$E2E_PROGRAM_PID"
    tray_icon=$(e2e_find_tray_icon "$E2E_PROGRAM_PID")
}

minimize_to_tray
e2e_screenshot in-tray
# A hidden window has no place on the task bar: the window manager no longer lists it.
! xprop -root _NET_CLIENT_LIST | grep -q "$(printf '0x%x' "$main")" || e2e_fail "the window is still on the task bar"

e2e_click "$tray_icon" 10 10
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
e2e_wait "$E2E_DESKTOP_WAIT" "the tray icon to go" e2e_tray_icon_absent "$E2E_PROGRAM_PID"
e2e_region_of "$E2E_WINDOW"
e2e_wait_text 30 "$E2E_REGION" "$message" "${E2E_LIST_FONT[@]}"

# Due while in the tray (message only, mode 1).
minimize_to_tray
e2e_clock_set "2027-03-15 09:59:57"
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_region_of "$E2E_WINDOW"
e2e_wait_text 30 "$E2E_REGION" "$message" "${E2E_NOTIFICATION_FONT[@]}"
e2e_window_absent "$E2E_PROGRAM_PID" "Klaxora!" || e2e_fail "the alarm brought the main window back"
e2e_keys Return
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_wait "$E2E_DESKTOP_WAIT" "the alarm to leave Alarms.dat" e2e_alarm_file_lacks "$message"
e2e_window_absent "$E2E_PROGRAM_PID" "Klaxora!" || e2e_fail "the main window came back after the alarm"
e2e_tray_icon_shown "$E2E_PROGRAM_PID" || e2e_fail "the tray icon went away after the alarm"

# The tray menu's Exit asks first; No keeps the program, still in the tray.
e2e_click "$tray_icon" 10 10 3
e2e_wait "$E2E_DESKTOP_WAIT" "the tray menu" e2e_menu_open "$E2E_PROGRAM_PID"
e2e_keys x
e2e_wait_window "$E2E_PROGRAM_PID" "Confirm"
e2e_region_of "$E2E_WINDOW"
e2e_wait_text 30 "$E2E_REGION" "Exit program (alarms will no longer be active)?" "${E2E_MESSAGE_BOX_FONT[@]}"
e2e_keys alt+n
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Confirm"
sleep 1
e2e_program_running || e2e_fail "No ended the program"
e2e_window_absent "$E2E_PROGRAM_PID" "Klaxora!" || e2e_fail "No brought the window back"
e2e_tray_icon_shown "$E2E_PROGRAM_PID" || e2e_fail "the tray icon went away after No"
