#!/usr/bin/env bash
# One instance: a second start says "Klaxora! is already running" and ends without a window of its own
# while the first goes on; after the first is killed outright, while it plays a converted sound, a new
# start runs and removes the sound's copy. Exit asks "Exit program
# (alarms will no longer be active)?": No keeps the program with its window, Yes ends it.
source "$(dirname "$0")/lib.sh"
e2e_setup single_instance_and_exit "$@"
e2e_start_desktop

# A sound-only alarm due at once, with a 24-bit WAV that the program converts before it plays it.
sox -n -b 24 -r 44100 -c 1 "$E2E_TMP/long-24-bit.wav" synth 60 sine 440 || e2e_fail "sox cannot make a WAV"
e2e_write_alarms "10:00am^Dentist^^3^03/16/2027^^0" "09:00am^Wake up^^3^03/15/2027^$E2E_TMP/long-24-bit.wav^2"
e2e_clock_set "2027-03-15 09:00:00"
e2e_start_program
first=$E2E_PROGRAM_PID
e2e_wait_window "$first" "Klaxora!"
converted_sound() { ls "$XDG_RUNTIME_DIR"/klaxora-sounds/klaxora-*.wav; }
e2e_wait "$E2E_DESKTOP_WAIT" "the converted copy of the WAV" converted_sound
converted=$(converted_sound)

e2e_start_program
second=$E2E_PROGRAM_PID
# Its message box has the program's caption; nothing else of it shows.
e2e_wait_window "$second" "Klaxora!"
box=$E2E_WINDOW
e2e_region_of "$box"
e2e_wait_text 30 "$E2E_REGION" "Klaxora! is already running" "${E2E_MESSAGE_BOX_FONT[@]}"
[ "$(xdotool search --all --onlyvisible --pid "$second" --classname . | wc -l)" = 1 ] ||
    e2e_fail "the second start shows more than its message box"
e2e_screenshot already-running
e2e_activate "$box"
e2e_keys Return
e2e_wait_program_end "$second"
((E2E_EXIT_STATUS == 0)) || e2e_fail "the second start ended with status $E2E_EXIT_STATUS"
e2e_program_running "$first" || e2e_fail "the first instance ended"
e2e_window_shown "$first" "Klaxora!" || e2e_fail "the first instance lost its window"

# Killed outright, the first instance cannot release anything itself; the system does.
kill -KILL "$first"
wait "$first" 2>/dev/null
e2e_start_program
e2e_wait_window "$E2E_PROGRAM_PID" "Klaxora!"
main=$E2E_WINDOW
[ ! -e "$converted" ] || e2e_fail "the killed program's converted sound is still there: $converted"
e2e_region_of "$main"
e2e_wait_text 30 "$E2E_REGION" "Dentist" "${E2E_LIST_FONT[@]}"

ask_exit()
{
    e2e_activate "$main"
    e2e_keys alt+x
    e2e_wait_window "$E2E_PROGRAM_PID" "Confirm"
    e2e_region_of "$E2E_WINDOW"
    e2e_wait_text 30 "$E2E_REGION" "Exit program (alarms will no longer be active)?" "${E2E_MESSAGE_BOX_FONT[@]}"
}

ask_exit
e2e_screenshot exit-question
e2e_keys alt+n
e2e_wait_window_gone "$E2E_PROGRAM_PID" "Confirm"
sleep 1
e2e_program_running || e2e_fail "No ended the program"
e2e_window_shown "$E2E_PROGRAM_PID" "Klaxora!" || e2e_fail "No closed the window"

ask_exit
e2e_keys alt+y
e2e_wait_program_end "$E2E_PROGRAM_PID"
((E2E_EXIT_STATUS == 0)) || e2e_fail "Exit ended the program with status $E2E_EXIT_STATUS"
e2e_alarm_file_has "10:00am\^Dentist\^\^3\^03/16/2027\^\^0" || e2e_fail "the alarms did not survive the exit"
