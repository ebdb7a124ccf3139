#!/usr/bin/env bash
# Under Wayland (Weston without a screen) on Qt's own Wayland platform, with no X server at all: the main
# window shows, an alarm due a few seconds later brings up its notification window and its sound, and
# SIGTERM ends the program cleanly with the unanswered alarm kept for the next start.
source "$(dirname "$0")/lib.sh"
e2e_setup wayland_alarm "$@"
e2e_start_wayland
e2e_start_sound
e2e_use_fake_clock

message="Stretch your legs"
line="10:00am^$message^^3^03/15/2027^^0"
e2e_write_alarms "$line"
e2e_clock_set "2027-03-15 09:59:30"
E2E_QT_PLATFORM=wayland
e2e_start_program
screen="0,0,1024,768"
e2e_wait_text "$E2E_DESKTOP_WAIT" "$screen" "$message...(10:00am" "${E2E_LIST_FONT[@]}"
e2e_log "main window listed the alarm at $E2E_TEXT_AT"
e2e_screenshot main-window

e2e_record_start
# A few seconds before the alarm's minute, rather than waiting for the clock to get there.
(($(e2e_clock_seconds) < $(date -u -d "2027-03-15 09:59:55" +%s))) && e2e_clock_set "2027-03-15 09:59:55"
e2e_wait_text 30 "$screen" "$message" "${E2E_NOTIFICATION_FONT[@]}"
e2e_log "notification at $E2E_TEXT_AT, due at $(e2e_clock_text +%T)"
e2e_screenshot notification
e2e_expect_sound 0.05

kill -TERM "$E2E_PROGRAM_PID"
e2e_wait_program_end "$E2E_PROGRAM_PID"
((E2E_EXIT_STATUS == 0)) || e2e_fail "SIGTERM ended the program with status $E2E_EXIT_STATUS"
e2e_expect_alarm_file_has "$(sed 's/\^/\\^/g' <<<"$line")"
