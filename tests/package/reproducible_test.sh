#!/usr/bin/env bash
# Builds the release files twice from this source, in two folders of
# different names and depths, one after the other, and compares them byte
# for byte: the Debian package, the Windows program, its zip and its
# installer. Prints the SHA-256 of each; on a difference, names the file.
# Usage: reproducible_test.sh SOURCE WORK
set -euo pipefail

source=$(cd "$1" && pwd)
work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
jobs=$(nproc)

rm -rf "$work"
first=$work/first
second=$work/second/built/elsewhere

linux() {
    cmake -S "$source" -B "$1/linux" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$1/linux" -j"$jobs" >/dev/null
    (cd "$1/linux" && cpack >/dev/null)
}
windows() {
    cmake -S "$source" -B "$1/windows" -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$1/windows" -j"$jobs" --target windows-package >/dev/null
}

started=$SECONDS
for folder in "$first" "$second"; do
    linux "$folder" || fail "the Linux build in $folder failed"
    windows "$folder" || fail "the Windows build in $folder failed"
    echo "ok: built in $folder after $((SECONDS - started)) s"
done

version=$(sed -n 's/^project(VelkornCalculator VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
same=0
for file in "linux/velkorn-calculator_${version}_amd64.deb" "windows/Velkorn Calculator.exe" \
    "windows/velkorn-calculator-$version-windows-x64.zip" \
    "windows/velkorn-calculator-$version-setup-x64.exe"; do
    a=$(sha256sum <"$first/$file" | cut -d' ' -f1)
    b=$(sha256sum <"$second/$file" | cut -d' ' -f1)
    echo "sha256 $(basename "$file"): $a | $b"
    if [ "$a" != "$b" ]; then
        echo "FAIL: $(basename "$file") differs between the two builds" >&2
        same=1
    fi
done
[ "$same" = 0 ] || exit 1
echo "ok: two builds give the same bytes in $((SECONDS - started)) s"
rm -rf "$work"
