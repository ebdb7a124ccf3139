#!/usr/bin/env bash
# Removes the per-user install of Klaxora! made by scripts/install.sh: the program, the launcher, the
# desktop menu and autostart entries, the icons, the metainfo and the manual page. The user's alarms and preferences (Alarms.dat and
# ALARM.INI in ~/.local/opt/klaxora) stay where they are, so that a new install finds them again.
#
#   scripts/uninstall.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/install_layout.sh"

case "${1:-}" in
"") ;;
-h | --help)
    awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"
    exit 0
    ;;
*)
    echo "uninstall.sh: no options but --help" >&2
    exit 2
    ;;
esac

# What the install recorded, and in any case the places it always uses (the record may be gone).
files=()
if [ -f "$KLAXORA_MANIFEST" ]; then
    while IFS= read -r line; do
        [ -n "$line" ] && files+=("$line")
    done <"$KLAXORA_MANIFEST"
fi
files+=("$KLAXORA_PROGRAM" "$KLAXORA_LAUNCHER" "$KLAXORA_MENU_ENTRY" "$KLAXORA_AUTOSTART_ENTRY")
for icon in "$KLAXORA_ICON_THEME"/*/apps/klaxora.png; do
    [ -e "$icon" ] && files+=("$icon")
done

for file in "${files[@]}"; do
    # Only files of the names the install writes; the user's Alarms.dat and ALARM.INI are never among them.
    case "$(basename "$file")" in
    klaxora | klaxora.desktop | klaxora.png | klaxora.1.gz | *.metainfo.xml) rm -f "$file" ;;
    *) continue ;;
    esac
    # Folders the install made and that are empty now go too; the user's own folders above them stay.
    folder=$(dirname "$file")
    while [ "$folder" != "$HOME" ] && [ "$folder" != "$KLAXORA_DATA_HOME" ] &&
        [ "$folder" != "$KLAXORA_CONFIG_HOME" ] && [ "$folder" != "$KLAXORA_ICON_THEME" ] &&
        [ "$folder" != "$HOME/.local/bin" ] && rmdir "$folder" 2>/dev/null; do
        folder=$(dirname "$folder")
    done
done
rm -f "$KLAXORA_MANIFEST"
rmdir "$KLAXORA_PREFIX" 2>/dev/null || true

if [ -f "$KLAXORA_ICON_THEME/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
    gtk-update-icon-cache -q -t -f "$KLAXORA_ICON_THEME" || true
fi

echo "Klaxora! is uninstalled."
kept_any=0
for kept in "${KLAXORA_USER_FILES[@]}"; do
    if [ -e "$KLAXORA_PREFIX/$kept" ]; then
        echo "Kept your $kept in $KLAXORA_PREFIX."
        kept_any=1
    fi
done
((kept_any)) && echo "Delete that folder yourself if you no longer want them."
exit 0
