#!/usr/bin/env bash
# From a terminal while the program runs: --add hands the alarm to the program, which lists it and writes
# it to Alarms.dat at once without opening a window; --list prints what it holds; --export and --import
# write and read a calendar file through it; --show brings back the minimised window.
source "$(dirname "$0")/lib.sh"
e2e_setup command_line "$@"
e2e_start_desktop

e2e_write_alarms "10:00am^Dentist^^3^03/16/2027^^0"
e2e_clock_set "2027-03-15 09:00:00"
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
main=$E2E_WINDOW

# The command runs on the real clock; the program decides the date on its own.
klaxora_command() { ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$E2E_APP/klaxora" "$@"; }
said=$(klaxora_command --add "Call the garage" --at 9:30 --no-sound) || e2e_fail "--add ended with status $?"
expected=$'No date given: today, 2027-03-15.\n2027-03-15\t09:30\tboth\tCall the garage\t\t'
[ "$said" = "$expected" ] || e2e_fail "--add said: $said"
e2e_alarm_file_has "09:30am\^Call the garage\^\^3\^03/15/2027\^\^0" || e2e_fail "no line in Alarms.dat"
e2e_region_of "$main"
e2e_wait_text 30 "$E2E_REGION" "Call the garage...(09:30am" "${E2E_LIST_FONT[@]}"
e2e_screenshot added-by-command
[ "$(e2e_windows_named "$E2E_PROGRAM_PID" "Alarm Description")" = "" ] || e2e_fail "--add opened the editor"

listed=$(klaxora_command --list) || e2e_fail "--list ended with status $?"
[ "$listed" = $'2027-03-15\t09:30\tboth\tCall the garage\t\t\n2027-03-16\t10:00\tboth\tDentist\t\t' ] ||
    e2e_fail "--list said: $listed"

# The running program writes its alarms into a calendar file, and knows them again when it reads it back.
exported=$(klaxora_command --export "$E2E_TMP/alarms.ics") || e2e_fail "--export ended with status $?"
[ "$exported" = "Alarms exported: 2, to $E2E_TMP/alarms.ics." ] || e2e_fail "--export said: $exported"
imported=$(klaxora_command --import "$E2E_TMP/alarms.ics") || e2e_fail "--import ended with status $?"
[ "$imported" = $'Alarms added: 0. Events skipped: 2.\n  already in the list (same UID): 2' ] ||
    e2e_fail "--import said: $imported"

xdotool windowminimize --sync "$main"
e2e_wait "$E2E_DESKTOP_WAIT" "the window minimised" e2e_window_iconic "$E2E_PROGRAM_PID" "Klaxora!"
klaxora_command --show || e2e_fail "--show ended with status $?"
e2e_wait "$E2E_DESKTOP_WAIT" "the window back" eval '! e2e_window_iconic "$E2E_PROGRAM_PID" "Klaxora!"'
e2e_program_running || e2e_fail "the program ended"
