#!/usr/bin/env bash
# Times the command line as a script sees it, from exec to exit: "klaxora --add" handed to the running
# program (target: median under 50 ms) and "klaxora --list" of 10,000 alarms (target: median under
# 100 ms), with the program running and without it. Headless (offscreen), in a folder of its own.
#
#   bench/command_line.sh [--runs N] [--program FILE]
#
#   --runs N        timed runs of each command (default 30)
#   --program FILE  time this build of klaxora instead of building one in build/desktop (Release)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

runs=30
program_file=""
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=$2 && shift ;;
    --program) program_file=$(realpath "$2") && shift ;;
    *) awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0" && exit 2 ;;
    esac
    shift
done

if [ -z "$program_file" ]; then
    build="$root/build/desktop"
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DKLAXORA_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" --target klaxora -j"$(nproc)" >/dev/null
    program_file="$build/src/app/klaxora"
fi

work=$(mktemp -d)
program_pid=""
cleanup()
{
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cp "$program_file" "$work/klaxora"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$XDG_RUNTIME_DIR"
# 10,000 alarms on the days of the next years, at every minute of the day in turn.
awk 'BEGIN { for (i = 0; i < 10000; i++) {
        h = int(i / 60) % 12; if (h == 0) h = 12
        printf "%02d:%02d%s^Alarm number %d^^3^%02d/%02d/%d^^0\r\n", h, i % 60, (i % 1440 < 720) ? "am" : "pm",
            i, i % 12 + 1, i % 28 + 1, 2090 + int(i / 336) % 9
    } }' >"$work/Alarms.dat"
cp "$work/Alarms.dat" "$work/Alarms.start"

# medians <command...>: runs it $runs times (after one untimed run) and prints the median wall-clock
# time and the median CPU time (user and system) in ms. The CPU time hardly depends on other work on the
# machine; the wall-clock time does.
medians()
{
    local i timing
    "$@" >/dev/null
    timing=$(
        TIMEFORMAT='%3R %3U %3S'
        for ((i = 0; i < runs; i++)); do { time "$@" >/dev/null; } 2>&1; done
    )
    awk '{ wall[NR] = $1 * 1000; cpu[NR] = ($2 + $3) * 1000 }
        function median(v, n,   i, j, t) {
            for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
            return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
        }
        END { printf "%7.1f ms wall %6.1f ms CPU", median(wall, NR), median(cpu, NR) }' <<<"$timing"
}

n=0
add() { n=$((n + 1)) && "$work/klaxora" --add "Timed $n" --at 6:00 --on 2099-01-01 --no-sound; }
list() { "$work/klaxora" --list; }

report() { printf '%-42s %s   (target: wall under %s ms)\n' "$1" "$2" "$3"; }

report "--list, 10,000 alarms, no program running" "$(medians list)" 100
report "--add, no program running" "$(medians add)" "-"
cp "$work/Alarms.start" "$work/Alarms.dat"
"$work/klaxora" >"$work/program.log" 2>&1 &
program_pid=$!
# Listening once its socket is there (beside the single-instance lock, below the runtime folder).
until [ -n "$(find "$XDG_RUNTIME_DIR" -name Klaxora.socket)" ]; do sleep 0.1; done
report "--list, 10,000 alarms, program running" "$(medians list)" 100
report "--add, program running" "$(medians add)" 50
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
