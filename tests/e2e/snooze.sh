#!/usr/bin/env bash
# Snooze: "10 minutes" clicked on the notification stores the alarm again ten minutes after the moment
# of the answer (a new line in Alarms.dat and a new row), and it falls due once more at that time.
# The alarm names a sound file of its own (one of the ALSA samples, when they are installed).
source "$(dirname "$0")/lib.sh"
e2e_setup snooze "$@"
e2e_start_desktop

message="Stretch your legs"
sound=""
if [ -f /usr/share/sounds/alsa/Front_Center.wav ]; then
    sound="$E2E_APP/chime.wav"
    cp /usr/share/sounds/alsa/Front_Center.wav "$sound"
fi
e2e_write_alarms "10:00am^$message^^3^03/15/2027^$sound^0"
e2e_clock_set "2027-03-15 09:59:52"
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
main=$E2E_WINDOW
e2e_region_of "$main"
e2e_wait_text 30 "$E2E_REGION" "$message...(10:00am" "${E2E_LIST_FONT[@]}"

e2e_record_start
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
notification=$E2E_WINDOW
e2e_region_of "$notification"
e2e_wait_text 30 "$E2E_REGION" "$message" "${E2E_NOTIFICATION_FONT[@]}"
e2e_expect_sound 0.05

# "10 minutes": first row, third column of the choices (panel at 10,59; button at 182,29, 83 x 23).
before=$(e2e_clock_seconds)
e2e_click "$notification" $((10 + 182 + 41)) $((59 + 29 + 11))
after=$(e2e_clock_seconds)
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Alarm Notification"

# One line, for ten minutes after the answer (the file keeps hours and minutes).
one_line() { [ "$(e2e_alarm_count)" = 1 ] && e2e_alarm_file_lacks "10:00am"; }
e2e_wait "$E2E_DESKTOP_WAIT" "Alarms.dat to hold the snoozed alarm alone" one_line
snoozed_ok=0
for moment in "$before" "$after"; do
    time=$(e2e_file_time $((moment + 600)))
    if e2e_alarm_file_has "$time\^$message\^\^3\^03/15/2027\^${sound//./\\.}\^0"; then
        snoozed_ok=1
        break
    fi
done
((snoozed_ok)) || e2e_fail "the snoozed alarm is not ten minutes after the answer: $(e2e_alarm_file)"
e2e_log "snoozed to $time"
e2e_region_of "$main"
e2e_wait_text 30 "$E2E_REGION" "$message...($time" "${E2E_LIST_FONT[@]}"

# Ten minutes later it is due again.
due=$(((moment + 600) / 60 * 60))
e2e_clock_set "$(date -u -d "@$((due - 3))" '+%Y-%m-%d %H:%M:%S')"
e2e_wait_window "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_region_of "$E2E_WINDOW"
e2e_wait_text 30 "$E2E_REGION" "$message" "${E2E_NOTIFICATION_FONT[@]}"
e2e_keys Return
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Alarm Notification"
e2e_wait "$E2E_DESKTOP_WAIT" "Alarms.dat to be empty" e2e_alarm_file_lacks "$message"
