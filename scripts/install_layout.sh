# Where the per-user install of Klaxora! puts its files, and how its launcher and desktop entries are
# written. Sourced by install.sh and uninstall.sh, which must agree on every path.

# The menu entry, the icons, the metainfo and the manual page go where a package would put them, with
# ~/.local standing for /usr.
KLAXORA_DESKTOP_PREFIX="$HOME/.local"
KLAXORA_DATA_HOME="$KLAXORA_DESKTOP_PREFIX/share"
KLAXORA_CONFIG_HOME="${XDG_CONFIG_HOME:-$HOME/.config}"

# The program's own folder: it keeps Alarms.dat and ALARM.INI beside itself, so the folder must be the user's.
KLAXORA_PREFIX="$HOME/.local/opt/klaxora"
KLAXORA_PROGRAM="$KLAXORA_PREFIX/klaxora"
# What the install put in place, one path a line, for the uninstall.
KLAXORA_MANIFEST="$KLAXORA_PREFIX/installed-files"
KLAXORA_LAUNCHER="$HOME/.local/bin/klaxora"
KLAXORA_MENU_ENTRY="$KLAXORA_DATA_HOME/applications/klaxora.desktop"
KLAXORA_AUTOSTART_ENTRY="$KLAXORA_CONFIG_HOME/autostart/klaxora.desktop"
KLAXORA_ICON_THEME="$KLAXORA_DATA_HOME/icons/hicolor"
# The user's own files, which an uninstall leaves where they are.
KLAXORA_USER_FILES=(Alarms.dat ALARM.INI)

# One word for sh, whatever characters the path holds.
sh_quote() { printf "'%s'" "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"; }

# One argument of a desktop entry's Exec key: quoted, with the characters that quoting leaves special
# escaped, and then the backslashes doubled once more as every desktop entry value requires.
desktop_exec_quote()
{
    local quoted
    quoted=$(printf '%s' "$1" | sed 's/[\\"`$]/\\&/g')
    printf '"%s"' "$quoted" | sed 's/\\/\\\\/g'
}

# desktop_entry <Exec value> < entry: the desktop entry with its Exec key replaced.
desktop_entry()
{
    local line
    while IFS= read -r line; do
        case "$line" in
        Exec=*) printf 'Exec=%s\n' "$1" ;;
        *) printf '%s\n' "$line" ;;
        esac
    done
}
