#!/usr/bin/env bash
# Installs the Debian packages that Klaxora! needs: what building, running and packaging it need and, unless
# --no-test-tools is given, what the tests add. Safe to run again: it installs only what is missing. Works
# as root or through sudo.
#
#   scripts/setup.sh [--no-test-tools]
set -euo pipefail

# Building and running a Release (the preset's build, with tests and benchmarks off) and making its
# Debian package.
RUN_PACKAGES=(
  cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libsndfile1-dev
  # the alarms as iCalendar files, and the calendar password in the desktop's Secret Service
  libical-dev qtkeychain-qt6-dev
  # Qt's X11 and Wayland platforms (the first comes with qt6-base-dev, the second is a plug-in apart)
  qt6-qpa-plugins qt6-wayland
  # the translations: lupdate and lrelease with their CMake functions, and Qt's own translated texts
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # the program asks for Arial; Liberation Sans has its metrics, so windows are laid out as designed
  fonts-liberation2
  # the Debian package: CPack's dependencies are worked out by dpkg-shlibdeps
  dpkg-dev
)

# What the tests, the benchmarks, the fuzzers and the format check add.
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
  # headless GUI, clock and sound
  xvfb xauth xdotool x11-utils imagemagick faketime
  pulseaudio pulseaudio-utils sox alsa-utils trayer openbox
  # the Wayland desktop: a compositor, and a private session bus for the desktop-notice tests
  weston dbus-daemon
  # the screen reader's view: the accessibility bus and its Python client
  at-spi2-core python3-pyatspi
  # the format check, which lists our files with git, and the Debian package's checks
  git lintian desktop-file-utils appstream
  # a CalDAV server on loopback for the calendar client's tests, and a Secret Service for its password
  radicale gnome-keyring
)

case "${1:-}" in
"") PACKAGES=("${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
--no-test-tools) PACKAGES=("${RUN_PACKAGES[@]}") ;;
*)
  echo "setup.sh: unknown option $1 (only --no-test-tools)" >&2
  exit 2
  ;;
esac

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
