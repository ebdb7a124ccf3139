#!/usr/bin/env bash
# The Release a user builds, started as scripts/run.sh starts it (no arguments, the desktop's own
# display and sound server, the real clock): its main window is mapped, and SIGTERM, as at log-out,
# ends it with status 0 in good time.
#
#   bash release_start.sh <klaxora of a Release build> <klaxora_e2e_find_text> <output folder>
source "$(dirname "$0")/lib.sh"
e2e_setup release_start "$@"
e2e_start_display
e2e_start_window_manager
e2e_start_sound

e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
e2e_screenshot started
[ "$(xwininfo -id "$E2E_WINDOW" | awk '/Map State:/ { print $3 }')" = IsViewable ] ||
    e2e_fail "the main window is not mapped"

kill -TERM "$E2E_PROGRAM_PID"
e2e_wait_program_end "$E2E_PROGRAM_PID"
((E2E_EXIT_STATUS == 0)) || e2e_fail "SIGTERM ended the program with status $E2E_EXIT_STATUS"
exit 0
