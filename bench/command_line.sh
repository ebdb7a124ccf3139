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

# median_ms <command...>: runs it $runs times (after one untimed run) and prints the median in ms.
median_ms()
{
    local i start end
    "$@" >/dev/null
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        echo $(((end - start) / 1000))
    done | sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f", m / 1000 }'
}

n=0
add() { n=$((n + 1)) && "$work/klaxora" --add "Timed $n" --at 6:00 --on 2099-01-01 --no-sound; }
list() { "$work/klaxora" --list; }

report() { printf '%-44s %8s ms   (target under %s ms)\n' "$1" "$2" "$3"; }

report "--list, 10,000 alarms, no program running" "$(median_ms list)" 100
report "--add, no program running" "$(median_ms add)" "-"
cp "$work/Alarms.start" "$work/Alarms.dat"
"$work/klaxora" >"$work/program.log" 2>&1 &
program_pid=$!
# Listening once its socket is there (beside the single-instance lock, below the runtime folder).
until [ -n "$(find "$XDG_RUNTIME_DIR" -name Klaxora.socket)" ]; do sleep 0.1; done
report "--list, 10,000 alarms, program running" "$(median_ms list)" 100
report "--add, program running" "$(median_ms add)" 50
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
