#!/usr/bin/env bash
# Installs Klaxora! for the current user, without root, through cmake --install: the program in a folder
# of the user's own, where it keeps Alarms.dat and ALARM.INI beside itself, a launcher on the PATH, a
# desktop menu entry, the program's icon in the hicolor theme, its metainfo and manual page in ~/.local.
# scripts/uninstall.sh takes it away again.
#
#   scripts/install.sh [--autostart] [--build-dir DIR]
#
#   --autostart      also start Klaxora! minimised (-iconic) when the desktop session starts, so that
#                    alarms ring after a reboot; an install without it removes that entry again
#   --build-dir DIR  install from an existing build folder (with the targets klaxora, klaxora_icons and
#                    klaxora_package_docs built) instead of building a Release
#
# Without --build-dir the Debian packages are installed first through scripts/setup.sh (that step alone
# needs root or sudo) and a Release is built in build/release.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/install_layout.sh"

autostart=0
build=""
while (($#)); do
    case "$1" in
    --autostart) autostart=1 ;;
    --build-dir)
        (($# >= 2)) || { echo "install.sh: --build-dir needs a folder" >&2; exit 2; }
        build="$(cd "$2" && pwd)"
        shift
        ;;
    -h | --help)
        awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"
        exit 0
        ;;
    *)
        echo "install.sh: unknown option $1 (see --help)" >&2
        exit 2
        ;;
    esac
    shift
done

if [ -z "$build" ]; then
    "$root/scripts/setup.sh" --no-test-tools
    build="$root/build/release"
    cmake -S "$root" --preset release >/dev/null
    cmake --build "$build" --target klaxora klaxora_icons klaxora_package_docs -j"$(nproc)"
fi
for file in "$build/src/app/klaxora" "$build/packaging/icons/written" "$build/packaging/klaxora.1.gz"; do
    [ -e "$file" ] || {
        echo "install.sh: $file is missing; build the targets klaxora, klaxora_icons and klaxora_package_docs" >&2
        exit 1
    }
done

installed=()
# install_component <prefix> <component>: cmake's install, whose record of the files it put in place goes to ours.
install_component()
{
    cmake --install "$build" --prefix "$1" --component "$2" >/dev/null
    local file
    # The record has no newline after its last line.
    while IFS= read -r file || [ -n "$file" ]; do
        [ -n "$file" ] && installed+=("$file")
    done <"$build/install_manifest_$2.txt"
}

# Puts a file we write in place through a temporary name, so that a desktop never reads half of it.
place()
{
    local from=$1 to=$2 mode=$3
    mkdir -p "$(dirname "$to")"
    cp "$from" "$to.new"
    chmod "$mode" "$to.new"
    mv -f "$to.new" "$to"
    installed+=("$to")
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program alone in its own folder, as $KLAXORA_PROGRAM.
install_component "$KLAXORA_PREFIX" own_folder
install_component "$KLAXORA_DESKTOP_PREFIX" desktop

# The launcher and the desktop entries name the installed program by its full path.
printf '#!/bin/sh\n# Starts Klaxora! as installed by scripts/install.sh; its alarms stay in %s.\nexec %s "$@"\n' \
    "$KLAXORA_PREFIX" "$(sh_quote "$KLAXORA_PROGRAM")" >"$work/launcher"
place "$work/launcher" "$KLAXORA_LAUNCHER" 755

cp "$KLAXORA_MENU_ENTRY" "$work/package.desktop"
desktop_entry "$(desktop_exec_quote "$KLAXORA_LAUNCHER")" <"$work/package.desktop" >"$work/menu.desktop"
place "$work/menu.desktop" "$KLAXORA_MENU_ENTRY" 644

if ((autostart)); then
    desktop_entry "$(desktop_exec_quote "$KLAXORA_LAUNCHER") -iconic" <"$work/package.desktop" >"$work/autostart.desktop"
    place "$work/autostart.desktop" "$KLAXORA_AUTOSTART_ENTRY" 644
else
    rm -f "$KLAXORA_AUTOSTART_ENTRY"
fi

# Desktops that keep an icon cache in the user's theme folder see the new icon only after an update.
if [ -f "$KLAXORA_ICON_THEME/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
    gtk-update-icon-cache -q -t -f "$KLAXORA_ICON_THEME" || true
fi

printf '%s\n' "${installed[@]}" >"$KLAXORA_MANIFEST"

echo "Klaxora! is installed in $KLAXORA_PREFIX (its alarms and preferences are kept there)."
echo "Start it from the desktop menu or with: klaxora"
if ((autostart)); then
    echo "It starts minimised when you log in (autostart entry $KLAXORA_AUTOSTART_ENTRY)."
fi
case ":$PATH:" in
*":$(dirname "$KLAXORA_LAUNCHER"):"*) ;;
*) echo "Note: $(dirname "$KLAXORA_LAUNCHER") is not on your PATH; add it, or start $KLAXORA_LAUNCHER." ;;
esac
