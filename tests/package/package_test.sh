#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (no error, no warning),
# unpacks it into a fresh directory tree, checks what it installs and that
# apt can satisfy its dependencies, and starts the installed executable on
# Xvfb until its window shows.
set -euo pipefail

build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
app=
cleanup() {
    stop_process "$app"
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

# Under the strictest umask, which must not show in the package.
(cd "$build" && umask 077 && timeout 120 cpack -B "$work/out" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/out/*.deb)
echo "ok: built $(basename "$deb") under umask 077"

members=$(ar tv "$deb" | awk '{ print $1, $NF }' | tr '\n' ' ')
[ "$members" = "rw-r--r-- debian-binary rw-r--r-- control.tar.gz rw-r--r-- data.tar.gz " ] ||
    fail "the package's members: $members"
# Folders 755, files 644, the program 755: what dpkg-deb -b gives them.
odd=$(dpkg-deb --fsys-tarfile "$deb" | tar -tvf - | awk '
    $1 == "drwxr-xr-x" && $NF ~ /\/$/ { next }
    $1 == "-rwxr-xr-x" && $NF == "./usr/bin/velkorn-calculator" { next }
    $1 == "-rw-r--r--" && $NF !~ /\/$/ && $NF != "./usr/bin/velkorn-calculator" { next }
    { print $1, $NF }')
[ -z "$odd" ] || fail "modes the packager's umask gave: $odd"
echo "ok: the members and the files have the modes dpkg-deb gives them"

# Information tags are listed; each is explained in the README.
tags=$(timeout 300 lintian -I --pedantic "$deb" 2>&1 | grep -v 'running with root privileges' || true)
echo "lintian: ${tags:-no tags}"
! grep -qE '^(E|W): ' <<<"$tags" || fail "lintian reports errors or warnings"
echo "ok: lintian -I --pedantic: no error, no warning"

dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "no Qt dependency computed"
timeout 60 apt-get install --simulate --no-install-recommends "$deb" >/dev/null ||
    fail "apt cannot satisfy the package's dependencies"
echo "ok: dependencies: $(dpkg-deb --field "$deb" Depends)"

root=$work/root
dpkg-deb -x "$deb" "$root"
id=com.example.VelkornCalculator
for file in usr/bin/velkorn-calculator usr/share/applications/$id.desktop \
    usr/share/metainfo/$id.metainfo.xml usr/share/man/man1/velkorn-calculator.1.gz \
    usr/share/doc/velkorn-calculator/copyright usr/share/doc/velkorn-calculator/changelog.gz; do
    [ -f "$root/$file" ] || fail "package lacks /$file"
done
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "package lacks the ${size}px icon"
    file "$icon" | grep -q "$size x $size" || fail "the ${size}px icon has another size"
done
echo "ok: executable, desktop entry, metainfo, manual page, copyright, changelog and six icon sizes installed"
version=$(dpkg-deb --field "$deb" Version)
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo's release is not $version"
zcat "$root/usr/share/doc/velkorn-calculator/changelog.gz" | head -n1 | grep -q "($version)" ||
    fail "the changelog is not of $version"
echo "ok: the metainfo and the changelog name version $version"

start_virtual_display 1024x768x24
"$root/usr/bin/velkorn-calculator" 2>/dev/null &
app=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Velkorn Calculator$' >/dev/null ||
    fail "the installed program showed no window"
echo "ok: the installed program shows its window"
