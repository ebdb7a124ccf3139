# A private desktop for one scenario: an X server, a window manager, a notification-area host and a
# sound server that records, all in a scratch HOME, and all stopped again when the scenario ends.
# Sourced by lib.sh; every name starts with e2e_.

E2E_SKIP=77
# How long a scenario waits for a part of its desktop (X server, window manager, notification area,
# compositor, sound server, session and accessibility buses) and for the program's windows: generous,
# for a two-core machine busy with other tests and builds. A wait ends as soon as the thing is there.
E2E_DESKTOP_WAIT=60
E2E_PIDS=()
E2E_DISPLAY_UP=0
E2E_WAYLAND_UP=0

e2e_log() { printf '[%s %s] %s\n' "$(date +%T)" "${E2E_NAME:-e2e}" "$*" >&2; }

# Ends the scenario as skipped: a facility this machine lacks is not a pass.
e2e_skip()
{
    echo "SKIPPED: $*" >&2
    exit "$E2E_SKIP"
}

# Ends the scenario as failed; e2e_end keeps a screenshot and the program's files.
e2e_fail()
{
    e2e_log "FAILED: $*"
    exit 1
}

# e2e_poll <seconds> <command...>: runs the command until it succeeds; false after the given time.
e2e_poll()
{
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# e2e_wait <seconds> <what> <command...>: as e2e_poll, but fails the scenario after the given time,
# naming what it waited for.
e2e_wait()
{
    local seconds=$1 what=$2
    shift 2
    e2e_poll "$seconds" "$@" || e2e_fail "waited ${seconds}s for $what"
}

# e2e_begin <name> <output root>: scratch folders, environment, clean-up on every way out.
e2e_begin()
{
    E2E_NAME=$1
    E2E_OUT="$2/$1"
    rm -rf "$E2E_OUT"
    mkdir -p "$E2E_OUT"
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/klaxora-e2e.XXXXXX")
    trap 'e2e_end $?' EXIT
    trap 'exit 130' INT TERM HUP

    export HOME="$E2E_TMP/home"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    export TZ=UTC
    unset LC_TIME LANGUAGE QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    unset DBUS_SESSION_BUS_ADDRESS PULSE_SERVER
}

e2e_require_commands()
{
    local missing=()
    local c
    for c in "$@"; do
        command -v "$c" >/dev/null 2>&1 || missing+=("$c")
    done
    ((${#missing[@]} == 0)) || e2e_skip "missing commands: ${missing[*]} (scripts/setup.sh installs them)"
}

# Runs a command in the background for the rest of the scenario; its pid is in E2E_LAST_PID.
e2e_spawn()
{
    local log=$1
    shift
    "$@" >>"$E2E_OUT/$log" 2>&1 &
    E2E_LAST_PID=$!
    E2E_PIDS+=("$E2E_LAST_PID")
}

# A display number of our own: the X server takes a display's lock file atomically and ends at once
# when another server holds it, so a server still running on the number we gave it owns that display.
# (-displayfd is no help here: with it Xvfb writes no lock file, and two servers can pick one number.)
e2e_start_display()
{
    e2e_require_commands Xvfb xdotool xwininfo xprop xdpyinfo import
    local attempt i pid number
    for attempt in $(seq 20); do
        number=$((100 + (RANDOM + $$ + attempt * 37) % 800))
        [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset >>"$E2E_OUT/xvfb.log" 2>&1 &
        pid=$!
        for i in $(seq 50); do
            [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$number-lock")" = "$pid" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$pid" 2>/dev/null && [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$number-lock")" = "$pid" ]; then
            E2E_PIDS+=("$pid")
            export DISPLAY=":$number"
            E2E_DISPLAY_UP=1
            e2e_wait "$E2E_DESKTOP_WAIT" "the X server" xdpyinfo
            return 0
        fi
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    e2e_skip "Xvfb did not start on a display of its own (see xvfb.log)"
}

# A Wayland desktop instead: Weston without a screen, drawing in memory (without pixman it draws nothing)
# and letting its screenshooter in (--debug). Its socket lies in the scenario's own runtime folder.
e2e_start_wayland()
{
    e2e_require_commands weston weston-screenshooter
    unset DISPLAY
    export WAYLAND_DISPLAY=klaxora-e2e
    e2e_spawn weston.log weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" \
        --width=1024 --height=768 --debug
    E2E_WAYLAND_UP=1
    e2e_wait "$E2E_DESKTOP_WAIT" "the Wayland compositor" e2e_shoot "$E2E_TMP/first.png"
}

# e2e_shoot <file>: a picture of the whole screen, from the X server or the compositor.
e2e_shoot()
{
    if ((E2E_WAYLAND_UP)); then
        local folder="$E2E_TMP/shots"
        rm -rf "$folder" && mkdir -p "$folder" || return 1
        (cd "$folder" && timeout 10 weston-screenshooter) >/dev/null 2>&1 || return 1
        mv "$folder"/wayland-screenshot-*.png "$1" 2>/dev/null
    else
        import -window root "$1" 2>/dev/null
    fi
}

e2e_has_window_manager() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

e2e_start_window_manager()
{
    e2e_require_commands openbox
    e2e_spawn openbox.log openbox --sm-disable
    e2e_wait "$E2E_DESKTOP_WAIT" "the window manager" e2e_has_window_manager
}

e2e_tray_host_shown() { xdotool search --onlyvisible --class trayer; }

# The notification area, with the flags known to give Qt a system tray under Xvfb. Started soon after
# Openbox on a busy machine, trayer's panel is now and then never mapped (one start in four under load,
# never without the window manager); a trayer started again then shows at once. So each start gets a
# few seconds, all of them together the desktop's limit.
e2e_start_tray_host()
{
    e2e_require_commands trayer
    local deadline=$((SECONDS + E2E_DESKTOP_WAIT))
    while :; do
        e2e_spawn trayer.log trayer --edge top --align right --widthtype pixel --width 200 --heighttype pixel \
            --height 32 --transparent false --SetDockType false --SetPartialStrut false
        E2E_TRAYER_PID=$E2E_LAST_PID
        e2e_poll 5 e2e_tray_host_shown && return 0
        e2e_stop_tray_host
        ((SECONDS < deadline)) || e2e_fail "waited ${E2E_DESKTOP_WAIT}s for the notification area"
        e2e_log "trayer did not show its panel; starting it again"
    done
}

e2e_stop_tray_host()
{
    kill "$E2E_TRAYER_PID" 2>/dev/null
    wait "$E2E_TRAYER_PID" 2>/dev/null
}

e2e_sound_server_up() { pactl info; }

# A sound server of our own with one null sink to record from, and a silent stream that keeps the
# sink running so that the recording keeps real time (without it silences vanish from the recording).
e2e_start_sound()
{
    e2e_require_commands pulseaudio pactl pacat parec sox
    e2e_spawn pulseaudio.log pulseaudio --daemonize=no --system=false --exit-idle-time=-1 --disallow-exit -n \
        --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=cap sink_properties=device.description=cap" \
        --log-target=stderr
    e2e_poll "$E2E_DESKTOP_WAIT" e2e_sound_server_up ||
        e2e_skip "the PulseAudio daemon did not start (see pulseaudio.log)"
    pactl set-default-sink cap >/dev/null
    e2e_spawn pacat.log pacat --playback --latency-msec=20 --raw --format=s16le --rate=44100 --channels=2 \
        -d cap /dev/zero
}

e2e_recording_started() { (($(stat -c %s "$E2E_RECORDING" 2>/dev/null || echo 0) > 4096)); }

e2e_record_start()
{
    E2E_RECORDING="$E2E_OUT/${1:-recording}.wav"
    rm -f "$E2E_RECORDING"
    parec --latency-msec=20 -d cap.monitor --file-format=wav "$E2E_RECORDING" 2>>"$E2E_OUT/parec.log" &
    E2E_RECORDER_PID=$!
    E2E_PIDS+=("$E2E_RECORDER_PID")
    e2e_wait "$E2E_DESKTOP_WAIT" "the recording to start" e2e_recording_started
}

e2e_record_stop()
{
    kill -INT "$E2E_RECORDER_PID" 2>/dev/null
    wait "$E2E_RECORDER_PID" 2>/dev/null
}

# The loudest sample of the recording so far, 0 to 1 (the header of a recording that goes on gives no
# length yet).
e2e_recorded_peak() { sox --ignore-length "$E2E_RECORDING" -n stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }'; }

e2e_recorded_peak_reaches() { awk -v p="$(e2e_recorded_peak)" -v m="$1" 'BEGIN { exit !(p + 0 >= m) }'; }

e2e_screenshot()
{
    ((E2E_DISPLAY_UP || E2E_WAYLAND_UP)) || return 0
    e2e_shoot "$E2E_OUT/$1.png" || true
}

# Stops everything the scenario started, newest first, and keeps the evidence of a failure.
e2e_end()
{
    local status=$1
    trap - EXIT INT TERM HUP
    if ((status != 0 && status != E2E_SKIP)); then
        e2e_screenshot "failure"
        [ -n "${E2E_APP:-}" ] && cp -f "$E2E_APP"/Alarms.dat "$E2E_APP"/ALARM.INI "$E2E_OUT/" 2>/dev/null
        # CI keeps only the test's own output: the end of the program's log goes there.
        if [ -s "$E2E_OUT/klaxora.log" ]; then
            e2e_log "the end of the program's log:"
            tail -n 40 "$E2E_OUT/klaxora.log" >&2
        fi
    fi
    local i pid
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${E2E_PIDS[i]}" 2>/dev/null
    done
    for pid in "${E2E_PIDS[@]}"; do
        for i in $(seq 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    # The clock library keeps a shared-memory pair per process and removes it only at a normal exit.
    for pid in "${E2E_FAKED_PIDS[@]}"; do
        rm -f "/dev/shm/faketime_shm_$pid" "/dev/shm/sem.faketime_sem_$pid"
    done
    [ -n "${E2E_TMP:-}" ] && rm -rf "$E2E_TMP"
    ((status == 0)) && e2e_log "passed"
    exit "$status"
}
