# The program under test in a folder of its own (it keeps Alarms.dat and ALARM.INI beside itself), on a
# clock we set, driven with keys and clicks. Sourced by lib.sh.

E2E_FAKETIME_LIB=""
E2E_FAKED_PIDS=()

# e2e_program_folder <built klaxora>: copies the program into the scenario's folder.
e2e_program_folder()
{
    [ -x "$1" ] || e2e_fail "no program at $1 (build the target klaxora first)"
    E2E_APP="$E2E_TMP/app"
    mkdir -p "$E2E_APP"
    cp "$1" "$E2E_APP/klaxora"
}

# e2e_write_alarms <line>...: writes Alarms.dat the way the program writes it (CR LF).
e2e_write_alarms()
{
    : >"$E2E_APP/Alarms.dat"
    local line
    for line in "$@"; do
        printf '%s\r\n' "$line" >>"$E2E_APP/Alarms.dat"
    done
}

e2e_write_preferences() { printf '%s\n' "$@" >"$E2E_APP/ALARM.INI"; }

# The clock: libfaketime reads an offset from a file, so the clock runs on in real time from a moment
# we choose and can be moved forward while the program runs. Timers keep the real monotonic clock.
e2e_use_fake_clock()
{
    local lib
    for lib in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
        [ -f "$lib" ] && E2E_FAKETIME_LIB=$lib && break
    done
    [ -n "$E2E_FAKETIME_LIB" ] || e2e_skip "libfaketime is not installed (package faketime)"
    E2E_CLOCK_FILE="$E2E_TMP/faketime.rc"
}

# e2e_clock_set "YYYY-MM-DD hh:mm:ss" (UTC, the scenarios' time zone)
e2e_clock_set()
{
    local target now
    target=$(date -u -d "$1" +%s) || e2e_fail "bad clock setting $1"
    now=$(date +%s.%N)
    E2E_CLOCK_OFFSET=$(awk -v t="$target" -v n="$now" 'BEGIN { printf "%.3f", t - n }')
    e2e_write_clock_file
}

# e2e_clock_forward <seconds>: the clock jumps ahead, as over a suspend; the program sees it within a second.
e2e_clock_forward()
{
    E2E_CLOCK_OFFSET=$(awk -v o="$E2E_CLOCK_OFFSET" -v s="$1" 'BEGIN { printf "%.3f", o + s }')
    e2e_write_clock_file
    sleep 1.2
}

e2e_write_clock_file()
{
    local sign="+"
    [[ $E2E_CLOCK_OFFSET == -* ]] && sign=""
    printf '%s%s\n' "$sign" "$E2E_CLOCK_OFFSET" >"$E2E_CLOCK_FILE.new"
    mv "$E2E_CLOCK_FILE.new" "$E2E_CLOCK_FILE"
}

# The program's clock in seconds since 1970, and as text in a date(1) format.
e2e_clock_seconds() { awk -v o="$E2E_CLOCK_OFFSET" -v n="$(date +%s.%N)" 'BEGIN { printf "%d", n + o }'; }
e2e_clock_text() { date -u -d "@$(e2e_clock_seconds)" "$1"; }

# e2e_start_program [arguments...]: starts the copied program on our display, sound server and clock;
# its pid is in E2E_PROGRAM_PID. E2E_QT_PLATFORM=wayland starts it on the Wayland desktop.
e2e_start_program()
{
    local preload=()
    if [ -n "$E2E_FAKETIME_LIB" ]; then
        preload=(LD_PRELOAD="$E2E_FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$E2E_CLOCK_FILE"
            FAKETIME_CACHE_DURATION=1 FAKETIME_DONT_FAKE_MONOTONIC=1)
    fi
    # A sanitizer build is fine with the clock library loaded ahead of it. Strict string checks stay off
    # here: the X keyboard library hands unterminated names to strndup, which is allowed.
    local asan="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:strict_string_checks=0"
    # On Wayland, Qt loads Mesa's EGL driver, which has no frame pointers: only the full unwinder follows an
    # allocation's stack through it to the library that the leak suppressions name (slower, so only here).
    [ "${E2E_QT_PLATFORM:-}" = wayland ] && asan+=":fast_unwind_on_malloc=0"
    # E2E_RUN_AS=<uid>: as that user, with a home and a runtime folder of its own.
    local as=()
    if [ -n "${E2E_RUN_AS:-}" ]; then
        local home="$E2E_TMP/home-$E2E_RUN_AS" runtime="$E2E_TMP/runtime-$E2E_RUN_AS"
        mkdir -p "$home" "$runtime" && chown "$E2E_RUN_AS:$E2E_RUN_AS" "$home" "$runtime" && chmod 700 "$runtime"
        as=(setpriv --reuid="$E2E_RUN_AS" --regid="$E2E_RUN_AS" --clear-groups env HOME="$home" XDG_RUNTIME_DIR="$runtime")
    fi
    cd "$E2E_APP" || e2e_fail "no program folder"
    # The user's locale (E2E_LANG, en_US.UTF-8 by default) decides the language and how dates and times
    # are shown and typed.
    "${as[@]}" env "${preload[@]}" ASAN_OPTIONS="$asan" QT_QPA_PLATFORM="${E2E_QT_PLATFORM:-xcb}" LC_ALL= LANG="${E2E_LANG:-en_US.UTF-8}" ./klaxora "$@" >>"$E2E_OUT/klaxora.log" 2>&1 &
    E2E_PROGRAM_PID=$!
    E2E_PIDS+=("$E2E_PROGRAM_PID")
    [ -n "$E2E_FAKETIME_LIB" ] && E2E_FAKED_PIDS+=("$E2E_PROGRAM_PID")
    cd - >/dev/null || true
}

e2e_program_running() { kill -0 "${1:-$E2E_PROGRAM_PID}" 2>/dev/null; }

# Waits for the program to end by itself and puts its exit status in E2E_EXIT_STATUS.
e2e_wait_program_end()
{
    local pid=$1 seconds=${2:-30}
    local deadline=$((SECONDS + seconds))
    while e2e_program_running "$pid"; do
        ((SECONDS < deadline)) || e2e_fail "process $pid did not end within ${seconds}s"
        sleep 0.2
    done
    wait "$pid"
    E2E_EXIT_STATUS=$?
}

# --- windows ----------------------------------------------------------------------------------------

# Visible windows of a process with exactly this caption, one id a line: the windows that the window
# manager looks after, not the pop-up menus and the tray icon (which carry the program's name too).
e2e_windows_named()
{
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: no' && echo "$id"
    done
}

# A pop-up menu of the process is open: a visible window outside the window manager's care, larger than
# the tray icon.
e2e_menu_open()
{
    local id info
    for id in $(xdotool search --all --onlyvisible --pid "$1" --classname . 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        grep -q 'Override Redirect State: yes' <<<"$info" || continue
        (($(awk '/Width:/ { print $2 }' <<<"$info") > 64)) && return 0
    done
    return 1
}

e2e_window_shown() { [ -n "$(e2e_windows_named "$1" "$2")" ]; }
e2e_window_absent() { [ -z "$(e2e_windows_named "$1" "$2")" ]; }

# e2e_wait_window <pid> <caption>: sets E2E_WINDOW to the window's id.
e2e_wait_window()
{
    e2e_wait "$E2E_DESKTOP_WAIT" "a window \"$2\"" e2e_window_shown "$1" "$2"
    E2E_WINDOW=$(e2e_windows_named "$1" "$2" | head -n1)
}

e2e_wait_window_gone()
{
    e2e_wait "$E2E_DESKTOP_WAIT" "the window \"$2\" to close" e2e_window_absent "$1" "$2"
}

# Sets E2E_GEOMETRY to "x,y,w,h" of a window's inside, in screen coordinates.
e2e_window_geometry()
{
    local info x y w h
    info=$(xwininfo -id "$1") || e2e_fail "no window $1"
    x=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
    w=$(awk '/Width:/ { print $2 }' <<<"$info")
    h=$(awk '/Height:/ { print $2 }' <<<"$info")
    E2E_GEOMETRY="$x,$y,$w,$h"
}

e2e_activate() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; }

# Keys go to the window that has the focus, as a person's keys would.
e2e_keys() { xdotool key --clearmodifiers --delay 60 "$@"; }
e2e_type() { xdotool type --clearmodifiers --delay 40 "$1"; }

# e2e_click <window> <x> <y> [button]: a click at a point inside the window.
e2e_click()
{
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click "${4:-1}"
    sleep 0.3
}

e2e_active_window() { xdotool getactivewindow 2>/dev/null; }

# The program's icon in the notification area: a small window of the program inside the tray host.
e2e_find_tray_icon()
{
    local id info
    for id in $(xdotool search --all --onlyvisible --pid "$1" --classname . 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        local w h
        w=$(awk '/Width:/ { print $2 }' <<<"$info")
        h=$(awk '/Height:/ { print $2 }' <<<"$info")
        if ((w <= 64 && h <= 64)); then
            echo "$id"
            return 0
        fi
    done
    return 1
}

e2e_tray_icon_shown() { e2e_find_tray_icon "$1" >/dev/null; }
e2e_tray_icon_absent() { ! e2e_find_tray_icon "$1" >/dev/null; }

# The process has a window of this caption minimised to the task bar (iconic in the window manager's eyes).
e2e_window_iconic()
{
    local id
    for id in $(xdotool search --all --pid "$1" --name "^$2\$" 2>/dev/null); do
        xprop -id "$id" WM_STATE 2>/dev/null | grep -q 'window state: Iconic' && return 0
    done
    return 1
}
