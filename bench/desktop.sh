#!/usr/bin/env bash
# Measures the whole program on a desktop beside a bare Qt 6 clock window of our own (the floor,
# bench/floor) and GNOME Clocks (the peer): time from exec to the first mapped window, the settled start
# (from exec until the program has gone quiet, see bench/probe/desktop_probe.cpp), PSS 10 s after the
# start, and CPU time and wake-ups (voluntary context switches of all threads) over a minute of idling
# from then on. Prints medians with their ranges, one line per program, and the ratios.
#
#   bench/desktop.sh [--quick] [--runs N] [--idle SECONDS] [--no-peer] [--program [NAME=]FILE]...
#                    [--missed NAME]... [--calendar NAME]... [--keep]
#
#   --quick    3 rounds, 2 starts a round and 20 s of idling, for trying it out (default: 5 rounds,
#              4 starts a round and 60 s; about 10 minutes in all for one build of klaxora)
#   --runs N   rounds: each has the starts, one memory reading and one idle period of each program
#   --no-peer  leave GNOME Clocks out (it is installed through apt when missing)
#   --program [NAME=]FILE  measure this build of klaxora instead of building one (e.g. an older one);
#              given more than once, each build is a program of its own, measured in turn with the
#              others in the same run and shown under its NAME (default: klaxora)
#   --missed NAME  the build NAME gets an Alarms.dat that also holds alarms of past days and of earlier
#              today (over a hundred), which its start tells as missed in one window; the others' alarms
#              are all still to come. Give one FILE under two names to see what the missed alarms cost
#   --calendar NAME  the build NAME syncs its alarms with a calendar, as in use with nothing changing: a
#              Radicale server on loopback for the whole run holds the same 1,000 alarms, agreed on in a
#              first sync before the rounds, and each run's session bus has a Secret Service (GNOME
#              Keyring) holding the password. Give one FILE under two names to see what the sync costs
#   --keep     keep the folder with each run's logs and results
#
# Every run has a display of its own (Xvfb, no window manager: a window is mapped as soon as the
# program asks), a session bus and a PulseAudio server with a null sink, as on a desktop, and a fresh
# HOME with fresh XDG folders. klaxora runs as a Release build from a folder of its own holding an
# Alarms.dat of 1,000 alarms. Each round first starts the programs one at a time, in an order turned
# by one place every time, for the starts and the memory (PSS falls while another process maps the
# same libraries); then it runs them side by side for the idle period. Everything is built in
# build/desktop. The measuring is done by bench/probe (klaxora_desktop_probe), which also reports the
# CPU time a program used until its window was mapped and until it settled: less dependent on other
# work on the machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; }

runs=5
idle=60
# Starts measured per round besides the one that also reads the memory.
extra_starts=3
# PSS is read, and the idle period begins, this long after the start.
pss_after=10
use_peer=1
keep=0
# The builds of klaxora to measure, by name, in the order given.
klaxora_builds=()
declare -A program_file
declare -A with_missed
declare -A with_calendar
while [ $# -gt 0 ]; do
    case "$1" in
    --quick) runs=3 idle=20 extra_starts=1 ;;
    --runs) runs="$2"; shift ;;
    --idle) idle="$2"; shift ;;
    --no-peer) use_peer=0 ;;
    --program)
        name=klaxora file="$2"
        [[ "$2" == *=* ]] && name="${2%%=*}" file="${2#*=}"
        if [[ ! "$name" =~ ^[A-Za-z0-9_.+-]+$ ]] || [ -n "${program_file[$name]:-}" ] ||
            [ "$name" = floor ] || [ "$name" = peer ]; then
            echo "--program: '$name' is not a name of its own" >&2
            exit 2
        fi
        klaxora_builds+=("$name")
        program_file[$name]="$(realpath "$file")"
        shift
        ;;
    --missed) with_missed[$2]=1; shift ;;
    --calendar) with_calendar[$2]=1; shift ;;
    --keep) keep=1 ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
    esac
    shift
done

"$root/scripts/setup.sh"

# Only for this measurement, so not in scripts/setup.sh's list.
OPTIONAL_PACKAGES=(gnome-clocks)
install_optional_packages()
{
    local missing=() p sudo=""
    for p in "${OPTIONAL_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}" >&2
    $sudo apt-get update -qq &&
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
if [ "$use_peer" = 1 ] && ! install_optional_packages; then
    echo "GNOME Clocks could not be installed; measuring without the peer." >&2
    use_peer=0
fi

build="$root/build/desktop"
# -O2, as the program is built for users (g++ 12 gives false -Wrestrict warnings on std::string at -O3).
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DKLAXORA_BUILD_TESTS=OFF -DKLAXORA_BUILD_BENCH=ON >/dev/null
targets=(klaxora_floor_clock klaxora_desktop_probe)
[ ${#klaxora_builds[@]} -gt 0 ] || { klaxora_builds=(klaxora) && program_file[klaxora]="$build/src/app/klaxora" && targets+=(klaxora); }
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)" >/dev/null
probe="$build/bench/probe/klaxora_desktop_probe"

work="$(mktemp -d /tmp/klaxora-desktop.XXXXXX)"
mkdir -p "$work/results"
cleanup()
{
    local job pid
    for job in $(jobs -p); do kill "$job" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -n "${calendar_server:-}" ] && kill "$calendar_server" 2>/dev/null || true
    # What an interrupted run left behind: its display, bus and sound server.
    for pid in $(cat "$work"/*/pids 2>/dev/null); do kill "$pid" 2>/dev/null || true; done
    if [ "$keep" = 1 ]; then echo "Logs and results kept in $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT

programs=("${klaxora_builds[@]}" floor)
[ "$use_peer" = 1 ] && programs+=(peer)

# write_alarms FILE COUNT SEED: a user's file after a while: three in four for a future date, some for
# today (passed and still to come), a few weekday lines and a few whose date has passed; messages from
# a word to the full 100 characters, most with a sound file. No alarm comes within 15 minutes of now,
# so none rings during the measurement.
write_alarms()
{
    awk -v count="$2" -v seed="$3" -v missed="${4:-0}" -v ymd="$(date +'%Y %m %d')" -v now="$(date +'%H %M')" '
    function days(y, m, d,   era, yoe, doy) {
        y -= (m <= 2); era = int(y / 400); yoe = y - era * 400
        doy = int((153 * (m > 2 ? m - 3 : m + 9) + 2) / 5) + d - 1
        return era * 146097 + yoe * 365 + int(yoe / 4) - int(yoe / 100) + doy - 719468
    }
    function date_text(z,   era, doe, yoe, doy, mp, d, m) {
        z += 719468; era = int(z / 146097); doe = z - era * 146097
        yoe = int((doe - int(doe / 1460) + int(doe / 36524) - int(doe / 146096)) / 365)
        doy = doe - (365 * yoe + int(yoe / 4) - int(yoe / 100)); mp = int((5 * doy + 2) / 153)
        d = doy - int((153 * mp + 2) / 5) + 1; m = mp < 10 ? mp + 3 : mp - 9
        return sprintf("%02d/%02d/%04d", m, d, yoe + era * 400 + (m <= 2))
    }
    function pick(n) { return int(rand() * n) }
    function minute_of(text,   h) {
        h = substr(text, 1, 2) % 12 + (substr(text, 6, 2) == "pm" ? 12 : 0)
        return h * 60 + substr(text, 4, 2)
    }
    function time_text(   minute, gap, h) {
        do {
            minute = pick(1440); gap = minute - nowmin; if (gap < 0) gap = -gap
        } while (gap < 15 || gap > 1440 - 15)
        h = int(minute / 60)
        return sprintf("%02d:%02d%s", h % 12 == 0 ? 12 : h % 12, minute % 60, h < 12 ? "am" : "pm")
    }
    function message(   wanted, text, word) {
        wanted = pick(3) == 0 ? 100 : 4 + pick(40); text = words[1 + pick(nwords)]
        while (1) {
            word = words[1 + pick(nwords)]
            if (length(text) + 1 + length(word) > wanted) return text
            text = text " " word
        }
    }
    BEGIN {
        srand(seed)
        nwords = split("Call the garage dentist Mum meeting with Café Müller pick up children school pay " \
                       "rent € renew passport water plants train to Köln at", words, " ")
        split(ymd, t, " "); today = days(t[1] + 0, t[2] + 0, t[3] + 0)
        split(now, n, " "); nowmin = n[1] * 60 + n[2]
        for (i = 0; i < count; ++i) {
            kind = pick(100); weekdays = ""; date = today + 1 + pick(1000)
            if (kind < 15) date = today
            else if (kind < 20) weekdays = (1 + pick(7)) (pick(2) ? "6" : "")
            else if (kind < 25) date = today - 1 - pick(30)
            wave = pick(4) == 0 ? "" : "/home/user/Sounds/ring" pick(9) ".wav"
            time = time_text()
            # Still to come: a passed date, a time of today already past, and a weekday line (which also
            # names today) become alarms of tomorrow.
            if (!missed && (weekdays != "" || date < today || (date == today && minute_of(time) < nowmin))) {
                weekdays = ""; date = today + 1
            }
            printf "%s^%s^%s^3^%s^%s^%d\r\n", time, message(), weekdays, date_text(date), wave, pick(3)
        }
    }' >"$1"
}

# start_desktop DIR: a display, a session bus and a sound server for one run; their pids go to DIR/pids
# and the environment for the program to DIR/env.
start_desktop()
{
    local dir="$1" display i
    mkdir -p "$dir/home" "$dir/xdg" "$dir/config" "$dir/data" "$dir/cache" "$dir/state"
    chmod 700 "$dir/xdg"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/pids"
    for i in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
    display=":$(head -n1 "$dir/display")"
    cat >"$dir/env" <<EOF
PATH=/usr/local/bin:/usr/bin:/bin
USER=${USER:-root}
LANG=C.UTF-8
DISPLAY=$display
HOME=$dir/home
XDG_RUNTIME_DIR=$dir/xdg
XDG_CONFIG_HOME=$dir/config
XDG_DATA_HOME=$dir/data
XDG_CACHE_HOME=$dir/cache
XDG_STATE_HOME=$dir/state
DBUS_SESSION_BUS_ADDRESS=unix:path=$dir/xdg/bus
EOF
    env -i $(cat "$dir/env") dbus-daemon --session --nofork --nopidfile --address="unix:path=$dir/xdg/bus" \
        >"$dir/dbus.log" 2>&1 &
    echo $! >>"$dir/pids"
    env -i $(cat "$dir/env") pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
        --load=module-native-protocol-unix --load="module-null-sink sink_name=speaker" \
        --log-target=file:"$dir/pulse.log" >/dev/null 2>&1 &
    echo $! >>"$dir/pids"
    for i in $(seq 100); do
        [ -S "$dir/xdg/bus" ] && env -i $(cat "$dir/env") pactl info >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "the display, bus or sound server of $dir did not come up" >&2
    return 1
}

stop_desktop()
{
    local pid
    for pid in $(tac "$1/pids"); do kill "$pid" 2>/dev/null || true; done
    for pid in $(cat "$1/pids"); do
        while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    done
}

# start_calendar: a Radicale server on a free loopback port for the whole run, and in $work/calendar the
# alarm file and the journal of a program that has synced its 1,000 alarms with a calendar there.
start_calendar()
{
    local dir="$work/calendar" i
    mkdir -p "$dir/storage"
    calendar_port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
    echo "alice:secret" >"$dir/users"
    printf '[server]\nhosts = 127.0.0.1:%s\n[auth]\ntype = htpasswd\nhtpasswd_filename = %s\nhtpasswd_encryption = plain\ndelay = 0\n[rights]\ntype = owner_only\n[storage]\nfilesystem_folder = %s\n[web]\ntype = none\n' \
        "$calendar_port" "$dir/users" "$dir/storage" >"$dir/config"
    radicale --config "$dir/config" >"$dir/radicale.log" 2>&1 &
    calendar_server=$!
    for i in $(seq 200); do
        python3 -c "import socket; socket.create_connection(('127.0.0.1', $calendar_port), 1)" 2>/dev/null && break
        sleep 0.05
    done
    cp "${program_file[$1]}" "$dir/klaxora"
    write_alarms "$dir/Alarms.dat" 1000 1 0
    # No Secret Service here: the password comes from standard input each time.
    echo secret | env -i HOME="$dir" PATH="$PATH" "$dir/klaxora" --calendar "http://127.0.0.1:$calendar_port/" \
        --user alice --password-stdin >"$dir/connect.log" 2>&1
    echo secret | env -i HOME="$dir" PATH="$PATH" "$dir/klaxora" --sync --password-stdin >"$dir/sync.log" 2>&1
    # The first sync's token is from before its own writes; a second one lists them once, as every
    # program's next sync after it sent something, and leaves the calendar unchanged since.
    echo secret | env -i HOME="$dir" PATH="$PATH" "$dir/klaxora" --sync --password-stdin >>"$dir/sync.log" 2>&1
}

# start_keyring DIR: a Secret Service on the desktop's session bus, holding the calendar's password.
start_keyring()
{
    local dir="$1"
    echo | env -i $(cat "$dir/env") gnome-keyring-daemon --daemonize --unlock --components=secrets \
        >"$dir/keyring.log" 2>&1 || return 1
    pgrep -n -f "gnome-keyring-daemon" >>"$dir/pids"
    echo secret | env -i $(cat "$dir/env") "$dir/app/klaxora" --calendar "http://127.0.0.1:$calendar_port/" \
        --user alice --password-stdin >>"$dir/keyring.log" 2>&1
}

# measure PROGRAM RUN [PROBE OPTIONS]: one run of one program on a desktop of its own; the probe's line
# goes to DIR/result.
measure()
{
    local program="$1" dir="$work/$2" command
    shift 2
    start_desktop "$dir" || return 1
    case "$program" in
    floor) command="$build/bench/floor/klaxora_floor_clock" ;;
    peer) command="$(command -v gnome-clocks)" ;;
    *)
        mkdir -p "$dir/app"
        cp "${program_file[$program]}" "$dir/app/klaxora"
        if [ -n "${with_calendar[$program]:-}" ]; then
            cp "$work/calendar/Alarms.dat" "$work/calendar/Calendar.dat" "$dir/app/"
            start_keyring "$dir" || return 1
        else
            write_alarms "$dir/app/Alarms.dat" 1000 1 "${with_missed[$program]:-0}"
        fi
        command="$dir/app/klaxora"
        ;;
    esac
    env -i $(cat "$dir/env") "$probe" --log "$dir/program.log" "$@" -- "$command" \
        >"$dir/result" 2>"$dir/probe.log" &
    # Listed with the desktop, so that an interrupted measurement ends the probe and with it the program.
    echo $! >>"$dir/pids"
    local status=0
    wait $! || status=$?
    stop_desktop "$dir"
    [ $status -eq 0 ] || echo "$program, run $2: $(cat "$dir/probe.log")" >&2
    return $status
}

# count_qt_sharers: how many processes map Qt's core library now; the libraries' pages in PSS are
# shared with them (other Qt programs running on the machine make every Qt program look smaller).
count_qt_sharers()
{
    { grep -l 'libQt6Core\.so' /proc/[0-9]*/maps 2>/dev/null || true; } | wc -l
}

# order ROUND: the programs, turned by one place every round.
order()
{
    local i
    for i in "${!programs[@]}"; do echo "${programs[$(((i + $1) % ${#programs[@]}))]}"; done
}

for program in "${!with_calendar[@]}"; do
    [ -n "${program_file[$program]:-}" ] || { echo "--calendar: no program $program" >&2; exit 2; }
done
if [ ${#with_calendar[@]} -gt 0 ]; then
    start_calendar "$(printf '%s\n' "${!with_calendar[@]}" | head -n1)"
fi

load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
# One start of each, not counted, brings the programs and their libraries into the page cache.
for program in "${programs[@]}"; do measure "$program" "warm.$program" || true; done
for round in $(seq "$runs"); do
    echo "round $round of $runs (load average $(cut -d' ' -f1 /proc/loadavg)) ..." >&2
    # More starts than memory readings, as a start lasts tens of milliseconds and varies most.
    for start in $(seq "$extra_starts"); do
        for program in $(order "$((round + start))"); do
            measure "$program" "start-only.$program.$round.$start" &&
                cat "$work/start-only.$program.$round.$start/result" >>"$work/results/$program.start" || true
        done
    done
    # Start and memory, one program at a time: the share of a library page in PSS falls with every
    # other process that maps it.
    for program in $(order "$round"); do
        count_qt_sharers >>"$work/sharers"
        measure "$program" "start.$program.$round" --memory-after "$pss_after" &&
            cat "$work/start.$program.$round/result" >>"$work/results/$program.start" || true
    done
    # The idle minutes side by side; each counts only its own program's time and wake-ups.
    jobs_of_round=()
    for program in $(order "$round"); do
        measure "$program" "idle.$program.$round" --idle-from "$pss_after" --idle "$idle" &
        jobs_of_round+=("$!:$program")
        sleep 2
    done
    for job in "${jobs_of_round[@]}"; do
        wait "${job%%:*}" && cat "$work/idle.${job#*:}.$round/result" >>"$work/results/${job#*:}.idle" || true
    done
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

for program in "${programs[@]}"; do
    [ -s "$work/results/$program.start" ] && [ -s "$work/results/$program.idle" ] ||
        { echo "no successful run of $program" >&2; exit 1; }
done

# summary PROGRAM: median, least and greatest of each figure over the runs that gave it; CPU time and
# wake-ups per minute of idling.
summary()
{
    awk -v idle="$idle" '
    {
        for (i = 1; i <= NF; ++i) {
            split($i, kv, "=")
            # The idle runs overlap, so their starts do not count.
            if (kv[1] ~ /^(map|settle)_/ && FILENAME ~ /idle$/) continue
            v = kv[2]
            if (kv[1] == "map_ms" || kv[1] == "settle_ms") v /= 1000
            if (kv[1] ~ /_kib$/) v /= 1024
            if (kv[1] == "cpu_s" || kv[1] == "wakeups") v *= 60 / idle
            values[kv[1], ++count[kv[1]]] = v
        }
    }
    function show(key, format,   n, i, j, v, sorted, m) {
        n = count[key]
        if (n == 0) { printf "- - - "; return }
        for (i = 1; i <= n; ++i) sorted[i] = values[key, i]
        for (i = 2; i <= n; ++i) {
            v = sorted[i]
            for (j = i - 1; j >= 1 && sorted[j] > v; --j) sorted[j + 1] = sorted[j]
            sorted[j + 1] = v
        }
        m = n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
        printf format " " format " " format " ", m, sorted[1], sorted[n]
    }
    END {
        show("map_ms", "%.3f"); show("map_cpu_ms", "%.1f"); show("settle_ms", "%.3f"); show("settle_cpu_ms", "%.1f")
        show("pss_kib", "%.1f"); show("rss_kib", "%.1f"); show("uss_kib", "%.1f")
        show("cpu_s", "%.3f"); show("wakeups", "%.0f"); show("threads", "%.0f")
        printf "%d %d\n", count["map_ms"], count["cpu_s"]
    }' "$work/results/$1.start" "$work/results/$1.idle"
}

declare -A label=([floor]="bare Qt 6 clock (floor)" [peer]="GNOME Clocks")
for build in "${klaxora_builds[@]}"; do label[$build]="$build (1,000 alarms)"; done
# The fields of a summary line, each as median, least and greatest, then the two counts.
figures=(map map_cpu settle settle_cpu pss rss uss cpu wakeups threads)
declare -A stats
# figure PROGRAM NAME [least|greatest]: one value of its summary.
figure()
{
    local i fields
    read -ra fields <<<"${stats[$1]}"
    for i in "${!figures[@]}"; do
        [ "${figures[$i]}" = "$2" ] || continue
        case "${3:-median}" in
        median) echo "${fields[$((3 * i))]}" ;;
        least) echo "${fields[$((3 * i + 1))]}" ;;
        greatest) echo "${fields[$((3 * i + 2))]}" ;;
        esac
    done
}
# shown PROGRAM NAME UNIT: "median UNIT (least-greatest)".
shown() { echo "$(figure "$1" "$2") $3 ($(figure "$1" "$2" least)-$(figure "$1" "$2" greatest))"; }
counted=""
echo
echo "Xvfb without a window manager. Medians (range) over the runs: starts ($((extra_starts + 1))" \
    "a round) to the mapped window and to the settled start (the program quiet for 500 ms), PSS, RSS and USS 10 s" \
    "after the start, and CPU time and wake-ups (voluntary context switches of all threads) per minute over" \
    "${idle} s of idling from then on; $runs rounds."
line="%-26s %-24s %-10s %-24s %-10s %-22s %-10s %-22s %-20s %-14s %s\n"
printf "$line" "program" "exec to mapped window" "CPU then" "settled start" "CPU then" "PSS" "RSS" "USS" \
    "idle CPU per minute" "wake-ups/min" "threads"
for program in "${programs[@]}"; do
    stats[$program]="$(summary "$program")"
    read -r -a fields <<<"${stats[$program]}"
    printf "$line" "${label[$program]}" "$(shown "$program" map s)" "$(figure "$program" map_cpu) ms" \
        "$(shown "$program" settle s)" "$(figure "$program" settle_cpu) ms" "$(shown "$program" pss MiB)" \
        "$(figure "$program" rss) MiB" "$(shown "$program" uss MiB)" "$(shown "$program" cpu s)" "$(shown "$program" wakeups '')" \
        "$(figure "$program" threads)"
    counted+="${counted:+, }$program ${fields[-2]} starts and ${fields[-1]} idle periods"
done
echo "Counted: $counted."
for build in "${klaxora_builds[@]}"; do echo "  $build: ${program_file[$build]}"; done
# ratio KLAXORA-VALUE OTHER-VALUE [LIMIT]: the ratio, marked with its target (at most LIMIT) if it has one.
ratio()
{
    awk -v a="$1" -v b="$2" -v limit="${3:-}" 'BEGIN {
        if (a == "-" || b == "-" || b <= 0) { printf "%-14s", "-"; exit }
        r = a / b; mark = limit == "" ? "" : r <= limit + 0 ? " ok" : " MISSED"
        printf "%-14s", sprintf("%.2f%s", r, mark) }'
}
# ratios TITLE OTHER NAME:LIMIT...: one line per build of klaxora, its figures divided by OTHER's.
ratios()
{
    local title="$1" other="$2" build column
    shift 2
    echo
    printf "%-26s" "$title"
    for column in "$@"; do printf "%-14s" "${column%%:*}${column#*:}"; done
    echo
    for build in "${klaxora_builds[@]}"; do
        printf "%-26s" "$build"
        for column in "$@"; do
            ratio "$(figure "$build" "${column%%:*}")" "$(figure "$other" "${column%%:*}")" \
                "$(sed 's/^[^<]*<=//' <<<"${column#*:}")"
        done
        echo
    done
}
ratios "klaxora / floor" floor "map: <=1.5" "settle: <=1.5" "pss: <=1.3" "cpu: <=1" "wakeups: <=1"
if [ "${#klaxora_builds[@]}" -gt 1 ]; then
    ratios "klaxora / ${klaxora_builds[0]}" "${klaxora_builds[0]}" map: map_cpu: settle: settle_cpu: pss: rss: uss:
fi
if [ "$use_peer" = 1 ]; then
    ratios "klaxora / GNOME Clocks" peer "map: <=0.2" "pss: <=0.333" cpu: wakeups:
fi
echo
echo "klaxora idle, absolute (targets: CPU per minute <= 0.1 s, wake-ups per minute <= 190, about 3 a second:"
echo "the floor's own figure wanders a little above 180):"
for build in "${klaxora_builds[@]}"; do
    awk -v name="$build" -v c="$(figure "$build" cpu)" -v w="$(figure "$build" wakeups)" 'BEGIN {
        printf "  %-24s CPU %s s %s, wake-ups %s %s\n", name, c, c <= 0.1 ? "ok" : "MISSED", w,
            w <= 190 ? "ok" : "MISSED" }'
done
echo "load average before: $load_before, after: $load_after; other processes mapping Qt at the memory readings:" \
    "$(sort -n "$work/sharers" | sed -n '1p;$p' | paste -sd- -)"
