#!/usr/bin/env bash
# Alarms whose time passed unseen. Started on Friday at 08:20, the program tells Wednesday's unanswered
# alarm and then today's 08:00 one, oldest first; answered, neither comes back at the next start. A
# program stopped across an alarm's time and midnight tells the alarm as soon as it runs again.
source "$(dirname "$0")/lib.sh"
e2e_setup missed_alarms "$@"
e2e_start_desktop

wednesday="09:00am^Dentist^^3^03/17/2027^^1"
today="08:00am^Morning pills^^3^03/19/2027^^1"
e2e_write_alarms "$today" "$wednesday"
e2e_clock_set "2027-03-19 08:20:00"
e2e_start_program
for message in Dentist "Morning pills"; do
    e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
    e2e_region_of "$E2E_WINDOW"
    e2e_wait_text 30 "$E2E_REGION" "$message" "${E2E_NOTIFICATION_FONT[@]}"
    e2e_screenshot "missed-${message%% *}"
    e2e_activate "$E2E_WINDOW"
    e2e_keys Return
    e2e_wait "$E2E_DESKTOP_WAIT" "'$message' to leave Alarms.dat" e2e_alarm_file_lacks "$message"
done
kill -TERM "$E2E_PROGRAM_PID"
e2e_wait_program_end "$E2E_PROGRAM_PID"

e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
sleep 3
e2e_window_absent "$E2E_PROGRAM_PID" "Alarm Notification" || e2e_fail "an answered alarm was told again"

# Stopped at 23:58 across a 23:59 alarm and midnight.
kill -TERM "$E2E_PROGRAM_PID"
e2e_wait_program_end "$E2E_PROGRAM_PID"
e2e_write_alarms "11:59pm^Night call^^3^03/19/2027^^1"
e2e_clock_set "2027-03-19 23:58:00"
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
kill -STOP "$E2E_PROGRAM_PID"
e2e_clock_forward 180
kill -CONT "$E2E_PROGRAM_PID"
resumed=$(date +%s.%N)
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_log "told $(awk -v a="$resumed" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }') s after running again"
e2e_region_of "$E2E_WINDOW"
e2e_wait_text 30 "$E2E_REGION" "Night call" "${E2E_NOTIFICATION_FONT[@]}"
