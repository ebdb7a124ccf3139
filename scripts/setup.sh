#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Klaxora! need.
# Safe to run again: it installs only what is missing. Works as root or through sudo.
set -euo pipefail

PACKAGES=(
  # build
  cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev qt6-qpa-plugins
  libsndfile1-dev libgtest-dev libgmock-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
  # headless GUI, fonts, clock and sound for the tests
  xvfb xauth xdotool x11-utils imagemagick fonts-liberation2 faketime
  pulseaudio pulseaudio-utils sox alsa-utils trayer openbox
  # the Wayland desktop: Qt's Wayland platform (also needed to run), a compositor for the tests, and a
  # private session bus for the desktop-notice tests
  qt6-wayland weston dbus-daemon
  # the screen reader's view in the end-to-end tests: the accessibility bus and its Python client
  at-spi2-core python3-pyatspi
  # the Debian package and its checks (CPack finds the program's libraries with file and dpkg-shlibdeps)
  dpkg-dev file lintian desktop-file-utils appstream
)

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
