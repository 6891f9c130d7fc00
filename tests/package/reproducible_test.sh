#!/usr/bin/env bash
# Builds the release files twice, the way two people who rebuild a release
# would: each side in a clone of its own of the source's committed HEAD,
# the files of one stamped years ago and of the other at checkout time, in
# folders of different names and depths, with different umasks, locales
# and time zones, and with no SOURCE_DATE_EPOCH given. The Debian package,
# the Windows program, its zip and its installer must be the same bytes.
# Prints the SHA-256 of each and the time taken; on a difference, names the
# file and prints what diffoscope finds.
# Usage: reproducible_test.sh SOURCE WORK
set -euo pipefail

source=$(git -C "$1" rev-parse --show-toplevel 2>/dev/null) ||
    { echo "FAIL: $1 is no git checkout: the comparison builds clones of its HEAD" >&2; exit 1; }
work=$(mkdir -p "$2" && cd "$2" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
jobs=$(nproc)
# At most this many lines of diffoscope's report per file that differs.
REPORT_LINES=${REPORT_LINES:-120}

if [ -n "$(git -C "$source" status --porcelain --untracked-files=no)" ]; then
    echo "note: $source has uncommitted changes; only its HEAD is compared"
fi
unset SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE

rm -rf "$work/first" "$work/second"
first=$work/first/velkorn
second=$work/second/home/someone/src/rebuild/velkorn-calculator

# clone FOLDER MTIME: a clone of HEAD; MTIME, when given, becomes every
# file's modification time (a checkout stamps them with its own time).
clone() {
    git clone -q --no-hardlinks "$source" "$1" || return 1
    if [ -n "${2:-}" ]; then
        find "$1" -path "$1/.git" -prune -o -exec touch -h -d "$2" {} + || return 1
    fi
}
# build SOURCE LINUX_BUILD WINDOWS_BUILD
build() {
    cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null &&
        cmake --build "$2" -j"$jobs" >/dev/null &&
        (cd "$2" && cpack >/dev/null) &&
        cmake -S "$1" -B "$3" -DCMAKE_TOOLCHAIN_FILE="$1/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null &&
        cmake --build "$3" -j"$jobs" --target windows-package >/dev/null
}

started=$SECONDS
# The first side: an old checkout, built inside the clone, in UTC.
(
    umask 022
    export TZ=UTC0 LC_ALL=C.UTF-8 LANG=C.UTF-8
    clone "$first" '2001-02-03 04:05:06 UTC' || fail "cloning $source failed"
    build "$first" "$first/build" "$first/build-windows" || fail "the build in $first failed"
) || exit 1
echo "ok: built in $first (umask 022, UTC, C.UTF-8, files from 2001) after $((SECONDS - started)) s"
# The second side: a fresh checkout, built beside the clone, fourteen hours
# east of UTC.
(
    umask 077
    export TZ='<+14>-14' LC_ALL=C LANG=C
    clone "$second" || fail "cloning $source failed"
    build "$second" "$second/../out/linux" "$second/../out/win" || fail "the build in $second failed"
) || exit 1
echo "ok: built in $second (umask 077, UTC+14, C, files from now) after $((SECONDS - started)) s"

version=$(sed -n 's/^project(VelkornCalculator VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
files=("velkorn-calculator_${version}_amd64.deb" "Velkorn Calculator.exe"
       "velkorn-calculator-$version-windows-x64.zip" "velkorn-calculator-$version-setup-x64.exe")
firsts=("$first/build/${files[0]}" "$first/build-windows/${files[1]}" "$first/build-windows/${files[2]}"
        "$first/build-windows/${files[3]}")
seconds=("$second/../out/linux/${files[0]}" "$second/../out/win/${files[1]}" "$second/../out/win/${files[2]}"
         "$second/../out/win/${files[3]}")
same=0
for i in "${!files[@]}"; do
    [ -f "${firsts[$i]}" ] || fail "the first build made no ${files[$i]}"
    [ -f "${seconds[$i]}" ] || fail "the second build made no ${files[$i]}"
    a=$(sha256sum <"${firsts[$i]}" | cut -d' ' -f1)
    b=$(sha256sum <"${seconds[$i]}" | cut -d' ' -f1)
    echo "sha256 ${files[$i]}: $a | $b"
    if [ "$a" != "$b" ]; then
        echo "FAIL: ${files[$i]} differs between the two builds" >&2
        same=1
        if command -v diffoscope >/dev/null; then
            echo "diffoscope, first $REPORT_LINES lines:"
            timeout 300 diffoscope --no-progress --text - "${firsts[$i]}" "${seconds[$i]}" 2>&1 |
                head -n "$REPORT_LINES" || true
        fi
    fi
done
[ "$same" = 0 ] || fail "the builds differ; both are kept in $work"
echo "ok: two clones give the same bytes; built and compared in $((SECONDS - started)) s"
rm -rf "$work/first" "$work/second"
