# Shared functions of the end-to-end scenarios. A scenario is run as
#   bash <scenario>.sh <built klaxora> <built klaxora_e2e_find_text> <output folder>
# and starts with
#   source "$(dirname "$0")/lib.sh"; e2e_setup <name> "$@"
# Screenshots and logs of a scenario go to <output folder>/<name>; exit status 77 means skipped.

E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_LIB_DIR/session.sh"
source "$E2E_LIB_DIR/program.sh"
source "$E2E_LIB_DIR/checks.sh"

# e2e_setup <name> <klaxora> <find-text tool> <output folder>: the scratch session and the program's
# folder; the desktop itself is started by the scenario, which knows what it needs.
e2e_setup()
{
    set -u -o pipefail
    local name=$1 program=$2
    E2E_FIND_TEXT=$3
    e2e_begin "$name" "$4"
    [ -x "$E2E_FIND_TEXT" ] || e2e_fail "no text finder at $E2E_FIND_TEXT"
    e2e_program_folder "$program"
}

# The usual desktop: X server, window manager, notification area, sound server, fake clock.
e2e_start_desktop()
{
    e2e_start_display
    e2e_start_window_manager
    e2e_start_tray_host
    e2e_start_sound
    e2e_use_fake_clock
}
