# What the scenarios look at: text in a window (found in a screenshot), the stacking of windows, the
# alarm file and the recorded sound. Sourced by lib.sh.

# Fonts of the program's windows, as the text finder takes them.
E2E_LIST_FONT=(--family Arial --pixels 12)
E2E_NOTIFICATION_FONT=(--family Arial --pixels 13 --bold)
E2E_MESSAGE_BOX_FONT=(--family default)

# e2e_text_in <region x,y,w,h> <text> <font options...>: true when a fresh screenshot shows the text
# there; E2E_TEXT_AT is then "x y" of the text in screen coordinates.
e2e_text_in()
{
    local region=$1 text=$2
    shift 2
    local shot="$E2E_TMP/probe.png"
    e2e_shoot "$shot" || return 1
    local answer
    # The finder is a test tool: in a sanitizer build its exit status must stay its answer (and, as for
    # the program, strndup on the X keyboard library's unterminated names is no fault).
    answer=$(ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0:strict_string_checks=0" \
        "$E2E_FIND_TEXT" --image "$shot" --region "$region" --text "$text" "$@") || return 1
    E2E_TEXT_AT=${answer#found }
}

# e2e_wait_text <seconds> <region> <text> <font options...>
e2e_wait_text()
{
    local seconds=$1
    shift
    e2e_wait "$seconds" "the text \"$2\" on the screen" e2e_text_in "$@"
}

e2e_text_not_in() { ! e2e_text_in "$@"; }

# e2e_wait_no_text <seconds> <region> <text> <font options...>: the text leaves the screen (windows repaint
# a moment after the change that removed it).
e2e_wait_no_text()
{
    local seconds=$1
    shift
    e2e_wait "$seconds" "the text \"$2\" to leave the screen" e2e_text_not_in "$@"
}

# The window's inside, as a region for the text finder.
e2e_region_of() { e2e_window_geometry "$1" && E2E_REGION=$E2E_GEOMETRY; }

# Window ids from the bottom of the stack to the top, in decimal as xdotool gives them.
e2e_stacking_order()
{
    local id
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | while read -r id; do
        [ -n "$id" ] && echo $((id))
    done
}

# True when window $1 is stacked above window $2.
e2e_stacked_above()
{
    local order upper lower
    order=$(e2e_stacking_order)
    upper=$(grep -n -x "$1" <<<"$order" | cut -d: -f1)
    lower=$(grep -n -x "$2" <<<"$order" | cut -d: -f1)
    [ -n "$upper" ] && [ -n "$lower" ] && ((upper > lower))
}

# --- Alarms.dat -------------------------------------------------------------------------------------

e2e_alarm_file() { cat "$E2E_APP/Alarms.dat" 2>/dev/null; }

# e2e_alarm_file_has <extended regex for one line, CR excluded>
# The line's seven fields; the alarm's identity may follow as an eighth.
e2e_alarm_file_has() { e2e_alarm_file | tr -d '\r' | grep -E -q -x "$1(\^[^^]*)?"; }

e2e_alarm_file_lacks() { ! e2e_alarm_file | tr -d '\r' | grep -F -q "$1"; }

e2e_alarm_count() { e2e_alarm_file | tr -d '\r' | grep -c -v '^$'; }

e2e_expect_alarm_file_has()
{
    e2e_alarm_file_has "$1" || e2e_fail "Alarms.dat has no line like $1; it holds: $(e2e_alarm_file | tr '\r\n' ' |')"
}

# The file's own time and date fields for a moment given in seconds since 1970: "hh:mmam^...^mm/dd/yyyy".
e2e_file_time() { date -u -d "@$1" +%I:%M%P; }
e2e_file_date() { date -u -d "@$1" +%m/%d/%Y; }

# --- sound ------------------------------------------------------------------------------------------

# e2e_expect_sound <minimum peak>: a sound at least this loud is recorded (the sound may start a while
# after the window on a busy machine); the recording then stops.
e2e_expect_sound()
{
    e2e_poll "$E2E_DESKTOP_WAIT" e2e_recorded_peak_reaches "$1" ||
        e2e_fail "the recording is silent (peak $(e2e_recorded_peak), wanted at least $1)"
    e2e_record_stop
    e2e_log "sound recorded, peak $(e2e_recorded_peak)"
}
