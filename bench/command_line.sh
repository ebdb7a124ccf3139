#!/usr/bin/env bash
# Times the command line as a script sees it, from exec to exit: "klaxora --add" handed to the running
# program (target: median under 50 ms) and "klaxora --list" of 10,000 alarms (target: median under
# 100 ms), with the program running and without it; beside them the floor, a bare Qt Core command
# (bench/floor/floor_command.cpp) that makes its QCoreApplication, prints a line and ends. Headless
# (offscreen), each build of klaxora in a folder of its own.
#
#   bench/command_line.sh [--runs N] [--program [NAME=]FILE]...
#
#   --runs N        timed runs of each command (default 30)
#   --program [NAME=]FILE  time this build of klaxora instead of building one in build/desktop (Release);
#                   given more than once, the builds take turns run by run, in an order turned by one
#                   place every run, and each is shown under its NAME (default: klaxora)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

runs=30
builds=()
declare -A program_file
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=$2 && shift ;;
    --program)
        name=klaxora file="$2"
        [[ "$2" == *=* ]] && name="${2%%=*}" file="${2#*=}"
        if [[ ! "$name" =~ ^[A-Za-z0-9_.+-]+$ ]] || [ -n "${program_file[$name]:-}" ] || [ "$name" = floor ]; then
            echo "--program: '$name' is not a name of its own" >&2
            exit 2
        fi
        builds+=("$name")
        program_file[$name]=$(realpath "$file")
        shift
        ;;
    *) awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0" && exit 2 ;;
    esac
    shift
done

build="$root/build/desktop"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DKLAXORA_BUILD_TESTS=OFF -DKLAXORA_BUILD_BENCH=ON >/dev/null
targets=(klaxora_floor_command)
if [ ${#builds[@]} -eq 0 ]; then
    builds=(klaxora) && program_file[klaxora]="$build/src/app/klaxora" && targets+=(klaxora)
fi
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)" >/dev/null
floor="$build/bench/floor/klaxora_floor_command"

work=$(mktemp -d)
running=()
cleanup()
{
    local pid
    for pid in "${running[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen
for name in "${builds[@]}"; do
    mkdir -p "$work/$name"
    cp "${program_file[$name]}" "$work/$name/klaxora"
    mkdir -m 700 "$work/$name/runtime"
    # 10,000 alarms on the days of the next years, at every minute of the day in turn.
    awk 'BEGIN { for (i = 0; i < 10000; i++) {
            h = int(i / 60) % 12; if (h == 0) h = 12
            printf "%02d:%02d%s^Alarm number %d^^3^%02d/%02d/%d^^0\r\n", h, i % 60, (i % 1440 < 720) ? "am" : "pm",
                i, i % 12 + 1, i % 28 + 1, 2090 + int(i / 336) % 9
        } }' >"$work/$name/Alarms.dat"
    cp "$work/$name/Alarms.dat" "$work/$name/Alarms.start"
done

# run_once NAME KIND: one run of a command of the build NAME (or of the floor), output dropped.
n=0
run_once()
{
    local dir="$work/$1"
    case "$2" in
    floor) "$floor" ;;
    list) XDG_RUNTIME_DIR="$dir/runtime" "$dir/klaxora" --list ;;
    add)
        n=$((n + 1))
        XDG_RUNTIME_DIR="$dir/runtime" "$dir/klaxora" --add "Timed $n" --at 6:00 --on 2099-01-01 --no-sound
        ;;
    esac >/dev/null 2>>"$work/errors"
}

# medians KIND NAME...: after one untimed run of each, $runs timed runs of each, the names taking turns;
# prints for each name the median wall-clock time and the median CPU time (user and system) in ms. The
# CPU time hardly depends on other work on the machine; the wall-clock time does.
medians()
{
    local kind="$1" i j name
    shift
    local names=("$@")
    for name in "${names[@]}"; do run_once "$name" "$kind"; done
    rm -f "$work"/times.*
    for ((i = 0; i < runs; i++)); do
        for ((j = 0; j < ${#names[@]}; j++)); do
            name="${names[$(((i + j) % ${#names[@]}))]}"
            { TIMEFORMAT='%3R %3U %3S' && time run_once "$name" "$kind"; } 2>>"$work/times.$name"
        done
    done
    for name in "${names[@]}"; do
        awk -v name="$name" '{ wall[NR] = $1 * 1000; cpu[NR] = ($2 + $3) * 1000 }
            function median(v, n,   i, j, t) {
                for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
                return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
            }
            END { printf "%s %.1f %.1f\n", name, median(wall, NR), median(cpu, NR) }' "$work/times.$name"
    done
}

# report TITLE TARGET KIND: the medians of each build for one command.
report()
{
    local title="$1" target="$2" name wall cpu
    shift 2
    while read -r name wall cpu; do
        printf '%-42s %-16s %7.1f ms wall %6.1f ms CPU   (target: wall under %s ms)\n' "$title" "$name" "$wall" \
            "$cpu" "$target"
    done < <(medians "$1" "${builds[@]}")
}

medians floor floor | while read -r _ wall cpu; do
    printf '%-42s %-16s %7.1f ms wall %6.1f ms CPU\n' "bare Qt Core command (floor)" "" "$wall" "$cpu"
done
report "--list, 10,000 alarms, no program running" 100 list
report "--add, no program running" "-" add
for name in "${builds[@]}"; do
    cp "$work/$name/Alarms.start" "$work/$name/Alarms.dat"
    XDG_RUNTIME_DIR="$work/$name/runtime" "$work/$name/klaxora" >"$work/$name/program.log" 2>&1 &
    running+=($!)
done
# Listening once its socket is there (beside the single-instance lock, below the runtime folder).
for name in "${builds[@]}"; do
    until [ -n "$(find "$work/$name/runtime" -name Klaxora.socket)" ]; do sleep 0.1; done
done
report "--list, 10,000 alarms, program running" 100 list
report "--add, program running" 50 add
echo "Builds: $(for name in "${builds[@]}"; do printf '%s=%s ' "$name" "${program_file[$name]}"; done)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
