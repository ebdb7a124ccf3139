#!/usr/bin/env bash
# The per-user install in a scratch HOME (with a blank and a quote in its path): what install.sh puts in
# place, that the menu entry starts the installed program through the launcher and the program keeps its
# alarms beside itself, the autostart choice, and that uninstall.sh takes everything else away but leaves
# Alarms.dat and ALARM.INI.
#
#   bash install_test.sh <build folder with klaxora and klaxora_icon_export> <output folder>
source "$(dirname "$0")/lib.sh"
set -u -o pipefail
build=$1
scripts="$(cd "$E2E_LIB_DIR/../../scripts" && pwd)"
e2e_begin install "$2"

export HOME="$E2E_TMP/the user's home"
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
prefix="$HOME/.local/opt/klaxora"
menu_entry="$HOME/.local/share/applications/klaxora.desktop"
autostart_entry="$HOME/.config/autostart/klaxora.desktop"
launcher="$HOME/.local/bin/klaxora"

run_script() { bash "$scripts/$1" "${@:2}" >>"$E2E_OUT/scripts.log" 2>&1 || e2e_fail "$1 ${*:2} failed (see scripts.log)"; }

# An earlier user of the program: alarms and preferences already in the program's folder.
mkdir -p "$prefix"
printf '9:05 AM^Tea^^3^6/15/2099^^1\r\n' >"$prefix/Alarms.dat"
printf '[Tray]\nUse=1\n' >"$prefix/ALARM.INI"
cp "$prefix/Alarms.dat" "$E2E_TMP/alarms-as-left"

run_script install.sh --build-dir "$build"

[ -x "$prefix/klaxora" ] && cmp -s "$prefix/klaxora" "$build/src/app/klaxora" || e2e_fail "the program is not installed"
[ -x "$launcher" ] || e2e_fail "no launcher at $launcher"
[ ! -e "$autostart_entry" ] || e2e_fail "an autostart entry without --autostart"
cmp -s "$prefix/Alarms.dat" "$E2E_TMP/alarms-as-left" || e2e_fail "the install touched the user's Alarms.dat"

png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 16 22 32 48 64 128 256; do
    icon="$HOME/.local/share/icons/hicolor/${size}x${size}/apps/klaxora.png"
    [ -f "$icon" ] || e2e_fail "no ${size}x${size} icon"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || e2e_fail "the ${size}x${size} icon is $(png_size "$icon")"
done

for file in man/man1/klaxora.1.gz metainfo/io.klaxora.klaxora.metainfo.xml; do
    [ -f "$HOME/.local/share/$file" ] || e2e_fail "no ~/.local/share/$file"
done

entry_value() { grep -m1 "^$2=" "$1" | cut -d= -f2-; }
[ "$(head -n1 "$menu_entry")" = "[Desktop Entry]" ] || e2e_fail "the menu entry has no [Desktop Entry] group"
[ "$(entry_value "$menu_entry" Name)" = "Klaxora!" ] || e2e_fail "menu entry Name"
[ "$(entry_value "$menu_entry" Icon)" = "klaxora" ] || e2e_fail "menu entry Icon"
[ "$(entry_value "$menu_entry" Type)" = "Application" ] || e2e_fail "menu entry Type"
[ "$(entry_value "$menu_entry" Categories)" = "Utility;Clock;" ] || e2e_fail "menu entry Categories"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$menu_entry" >>"$E2E_OUT/scripts.log" 2>&1 || e2e_fail "desktop-file-validate"
fi

# The Exec value read as a desktop does: value escapes first, then one double-quoted argument.
exec_words()
{
    local value
    value=$(entry_value "$1" Exec | sed 's/\\\\/\\/g')
    local program=${value%\"*}
    program=${program#\"}
    printf '%s\n' "$(sed 's/\\\([\\"`$]\)/\1/g' <<<"$program")" "${value##*\"}"
}
mapfile -t words < <(exec_words "$menu_entry")
[ "${words[0]}" = "$launcher" ] && [ -z "${words[1]}" ] || e2e_fail "menu entry Exec is not the launcher: ${words[*]}"

# Started from the menu entry, the installed program reads and rewrites the alarms in its own folder.
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
e2e_spawn program.log env QT_QPA_PLATFORM=offscreen "${words[0]}"
rewritten() { grep -q -E -x $'09:05am\\^Tea\\^\\^3\\^06/15/2099\\^\\^1(\\^[^^]*)?\r' "$prefix/Alarms.dat"; }
e2e_wait "$E2E_DESKTOP_WAIT" "the installed program to rewrite its Alarms.dat" rewritten
kill "$E2E_LAST_PID"
wait "$E2E_LAST_PID" 2>/dev/null

# Installed again with autostart: a minimised start at login; the user's files stay as they are.
cp "$prefix/Alarms.dat" "$E2E_TMP/alarms-before"
run_script install.sh --build-dir "$build" --autostart
mapfile -t words < <(exec_words "$autostart_entry")
[ "${words[0]}" = "$launcher" ] && [ "${words[1]}" = " -iconic" ] ||
    e2e_fail "autostart Exec is not the launcher with -iconic: ${words[*]}"
cmp -s "$prefix/Alarms.dat" "$E2E_TMP/alarms-before" || e2e_fail "a new install changed Alarms.dat"

# Installed again without it: the autostart entry goes.
run_script install.sh --build-dir "$build"
[ ! -e "$autostart_entry" ] || e2e_fail "the autostart entry stayed after an install without --autostart"

run_script install.sh --build-dir "$build" --autostart
run_script uninstall.sh
for gone in "$prefix/klaxora" "$prefix/installed-files" "$launcher" "$menu_entry" "$autostart_entry"; do
    [ ! -e "$gone" ] || e2e_fail "uninstall left $gone"
done
leftovers=$(find "$HOME/.local/share" -name 'klaxora*' -o -name '*.metainfo.xml' 2>/dev/null)
[ -z "$leftovers" ] || e2e_fail "uninstall left: $leftovers"
cmp -s "$prefix/Alarms.dat" "$E2E_TMP/alarms-before" || e2e_fail "uninstall did not keep Alarms.dat"
grep -q '^Use=1' "$prefix/ALARM.INI" || e2e_fail "uninstall did not keep ALARM.INI"
grep -q "Kept your Alarms.dat in $prefix" "$E2E_OUT/scripts.log" || e2e_fail "uninstall does not say where the alarms stay"
exit 0
