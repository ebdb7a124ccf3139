#!/usr/bin/env bash
# Makes the Debian package of a Release build folder as a user does (cpack -G DEB) and checks what it
# holds: the program, menu entry, icons, metainfo and manual page where the desktop looks for them; a
# menu entry and metainfo that the desktop's validators accept; no lintian errors; dependencies worked
# out from the program's libraries and from the window module it loads to open its window, plus Qt's
# Wayland platform and a font with Arial's metrics.
#
#   bash check_package.sh <Release build folder> <output folder>
set -u -o pipefail
build=$1
out="$2/release_package"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
(cd "$build" && cpack -G DEB -B "$work") >"$out/cpack.log" 2>&1 || fail "cpack -G DEB (see cpack.log)"
deb="$work/klaxora_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(cd "$work" && ls ./*.deb)"
cp "$deb" "$out/"

tree="$work/tree"
dpkg-deb -x "$deb" "$tree" || fail "dpkg-deb cannot unpack the package"
for file in usr/bin/klaxora usr/share/applications/klaxora.desktop usr/share/man/man1/klaxora.1.gz \
    usr/share/doc/klaxora/copyright usr/share/icons/hicolor/256x256/apps/klaxora.png; do
    [ -f "$tree/$file" ] || fail "the package lacks /$file"
done
[ -z "$(find "$tree" -name 'Alarms.dat' -o -name 'ALARM.INI' -o -path '*/opt/*')" ] ||
    fail "the package holds files of the per-user install"

desktop-file-validate "$tree/usr/share/applications/klaxora.desktop" || fail "desktop-file-validate"
metainfo=("$tree"/usr/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "the package has no metainfo"
appstreamcli validate --no-net "${metainfo[@]}" || fail "appstreamcli validate"
grep -q '<binary>klaxora</binary>' "${metainfo[@]}" || fail "the metainfo does not name the program"
# The menus and software centres of every shipped language show its words.
for language in de es fr it nl pl pt_BR; do
    grep -q "^GenericName\[$language\]=" "$tree/usr/share/applications/klaxora.desktop" ||
        fail "the desktop entry has no generic name in $language"
    grep -q "<summary xml:lang=\"$language\">" "${metainfo[@]}" || fail "the metainfo has no summary in $language"
done

lintian --fail-on error "$deb" | tee "$out/lintian.log"
((PIPESTATUS[0] == 0)) || fail "lintian reports errors"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends" >"$out/depends.txt"
for package in libqt6widgets6 libqt6multimedia6 libqt6dbus6 libqt6network6 libical3 libc6 qt6-qpa-plugins qt6-wayland \
    fonts-liberation2; do
    grep -q -E "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
exit 0
