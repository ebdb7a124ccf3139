#!/usr/bin/env bash
# Started by an ordinary user whose Alarms.dat cannot be read (a home folder not yet mounted at log-in):
# the program says so, runs on with the caption telling it, overwrites nothing, and once the file can
# be read shows its alarms and rings the one that falls due, without a restart.
source "$(dirname "$0")/lib.sh"
e2e_setup unreadable_alarm_file "$@"
e2e_start_desktop
command -v setpriv >/dev/null || e2e_skip "setpriv is not installed"
(($(id -u) == 0)) || e2e_skip "starting the program as another user needs root"

line="09:01am^Take the pills^^3^03/15/2027^^1"
e2e_write_alarms "$line"
user=65534
chown -R "$user:$user" "$E2E_APP"
chmod 0711 "$E2E_TMP"
chmod 000 "$E2E_APP/Alarms.dat"
e2e_clock_set "2027-03-15 09:00:00"
E2E_RUN_AS=$user e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora! - the alarm file could not be read"
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
box=$E2E_WINDOW
e2e_region_of "$box"
e2e_wait_text 30 "$E2E_REGION" "File access denied." "${E2E_MESSAGE_BOX_FONT[@]}"
e2e_screenshot unreadable
e2e_activate "$box"
e2e_keys Return
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Klaxora!"

chmod 644 "$E2E_APP/Alarms.dat"
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
e2e_program_running || e2e_fail "the program ended"
e2e_alarm_file_has "${line//^/\\^}" || e2e_fail "the alarm file was changed"
(($(e2e_clock_seconds) < $(date -u -d "2027-03-15 09:00:57" +%s))) && e2e_clock_set "2027-03-15 09:00:57"
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_region_of "$E2E_WINDOW"
e2e_wait_text 30 "$E2E_REGION" "Take the pills" "${E2E_NOTIFICATION_FONT[@]}"
e2e_screenshot rings
e2e_log "rang at $(e2e_clock_text +%T)"
