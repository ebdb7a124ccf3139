#!/usr/bin/env bash
# An alarm from the editor to its end: added a minute ahead with keys, listed, due in front of another
# application's window with its message and sound, deleted with Enter and gone from Alarms.dat.
source "$(dirname "$0")/lib.sh"
e2e_setup add_and_fire "$@"
e2e_start_desktop

message="Water the plants"
e2e_clock_set "2027-03-15 09:58:30"
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
main=$E2E_WINDOW
e2e_activate "$main"

# Add Alarm; the editor opens with the focus in the message, whose placeholder typing replaces.
e2e_keys alt+a
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Description"
e2e_type "$message"
# Tab order of the message panel: message, minutes spinner, time box.
e2e_keys Tab Tab ctrl+a
e2e_type "9:59 AM"
e2e_screenshot editor-filled
e2e_keys Return
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Alarm Description"

line="09:59am\^$message\^\^3\^03/15/2027\^\^0"
e2e_wait "$E2E_DESKTOP_WAIT" "the new alarm in Alarms.dat" e2e_alarm_file_has "$line"
e2e_region_of "$main"
e2e_wait_text 30 "$E2E_REGION" "$message...(09:59am" "${E2E_LIST_FONT[@]}"
e2e_log "listed at $E2E_TEXT_AT"

# The user goes on working in another application, whose window covers the middle of the screen.
e2e_spawn xmessage.log xmessage -title "Another application" -geometry 1000x800+140+112 "The user works here"
e2e_wait "$E2E_DESKTOP_WAIT" "the other application's window" xdotool search --onlyvisible --name "^Another application\$"
other=$(xdotool search --onlyvisible --name "^Another application\$" | head -n1)
e2e_activate "$other"
e2e_stacked_above "$other" "$main" || e2e_fail "the other application's window is not in front"

e2e_record_start
# Shortly before the alarm's minute, rather than waiting for the clock to get there.
(($(e2e_clock_seconds) < $(date -u -d "2027-03-15 09:58:57" +%s))) && e2e_clock_set "2027-03-15 09:58:57"
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
notification=$E2E_WINDOW
e2e_log "due at $(e2e_clock_text +%T)"
e2e_region_of "$notification"
e2e_wait_text 30 "$E2E_REGION" "$message" "${E2E_NOTIFICATION_FONT[@]}"
e2e_stacked_above "$notification" "$other" || e2e_fail "the notification is not in front of the other application"
[ "$(e2e_active_window)" = "$notification" ] || e2e_fail "the notification is not the active window"
e2e_screenshot notification
e2e_expect_sound 0.05

# Enter presses Delete, which has the focus.
e2e_keys Return
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_wait "$E2E_DESKTOP_WAIT" "the alarm to leave Alarms.dat" e2e_alarm_file_lacks "$message"
e2e_activate "$main"
e2e_region_of "$main"
e2e_wait_no_text 30 "$E2E_REGION" "$message" "${E2E_LIST_FONT[@]}"
e2e_program_running || e2e_fail "the program ended"
