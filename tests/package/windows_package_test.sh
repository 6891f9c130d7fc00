#!/usr/bin/env bash
# The Windows release: the .exe imports only system DLLs, declares ASLR,
# DEP and terminal-server awareness and carries no link time, and its
# version block and icon read back as the resource script gives them; the
# zip holds the .exe, its readme and the notices of what it contains, with
# Windows line ends; the installer, run silently under Wine in a fresh
# prefix, installs the program (which starts and shows its window),
# a Start-menu shortcut and an Uninstall key with its values, and the silent
# uninstall leaves none of them behind.
set -euo pipefail

build=$1 source=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"
. "$here/../../tools/wine-prefix.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

exe="$build/Velkorn Calculator.exe"
zip=$build/velkorn-calculator-$version-windows-x64.zip
setup=$build/velkorn-calculator-$version-setup-x64.exe
for file in "$exe" "$zip" "$setup"; do
    [ -f "$file" ] || fail "missing $file (make windows-package builds it)"
done

start_wine_session

# Imports: Windows' own DLLs only (IMM32, for the boxes' input methods, is
# loaded by USER32 in every program anyway).
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print toupper($3) }' | sort | tr '\n' ' ')
for dll in $imports; do
    case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | OLE32.DLL | MSVCRT.DLL | IMM32.DLL) ;;
    *) fail "the program imports $dll" ;;
    esac
done
echo "ok: imports $imports"

# ASLR (high entropy too), DEP and terminal-server awareness; no link time.
header=$(x86_64-w64-mingw32-objdump -p "$exe")
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE; do
    grep -q "$flag" <<<"$header" || fail "the program does not declare $flag"
done
grep -q '^Time/Date.*1970' <<<"$header" || fail "the program carries a link time: $(grep Time/Date <<<"$header")"
echo "ok: ASLR, high-entropy ASLR, DEP, terminal-server aware, no time stamp"

# The version block's strings and numbers, and the program's icon.
wrestool -x --raw --type=version "$exe" >"$work/version.bin"
IFS=. read -r major minor patch <<<"$version"
/usr/bin/python3 - "$work/version.bin" "$major" "$minor" "$patch" <<'PYTHON' || fail "version block"
import re, struct, sys
data = open(sys.argv[1], "rb").read()
text = data.decode("utf-16-le", errors="replace")
expected = {"CompanyName": "Velkorn", "ProductName": "Velkorn Calculator",
            "InternalName": "Velkorn Calculator", "OriginalFilename": "Velkorn Calculator.exe",
            "FileVersion": "1.00", "ProductVersion": "1.00"}
for key, value in expected.items():
    if not re.search(key + "\x00+" + re.escape(value) + "\x00", text):
        sys.exit(f"{key} is not {value!r}")
fixed = data.index(struct.pack("<I", 0xFEEF04BD))
ms, ls = struct.unpack_from("<II", data, fixed + 8)
major, minor, patch = (int(v) for v in sys.argv[2:5])
if (ms, ls) != ((major << 16) | minor, patch << 16):
    sys.exit(f"file version {ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
PYTHON
wrestool -x --type=group_icon --name=1 "$exe" -o "$work/icon.ico"
icon=$source/assets/velkorn-calculator.ico
cmp -n "$(stat -c %s "$icon")" "$work/icon.ico" "$icon" >/dev/null || fail "the program's icon differs"
echo "ok: version block (file version $version.0) and icon"

entries=$(/usr/bin/python3 -c 'import sys, zipfile; print(" ".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$zip")
[ "$entries" = "Velkorn Calculator.exe readme.txt third-party-notices.txt" ] ||
    fail "the zip holds: $entries"
/usr/bin/python3 - "$zip" <<'PYTHON' || fail "the notices in the zip"
import sys, zipfile
text = zipfile.ZipFile(sys.argv[1]).read("third-party-notices.txt").decode("utf-8")
for part in ("winpthreads", "Permission is hereby granted", "ZPL-2.1", "Runtime Library Exception",
             "stb_image", "free and unencumbered"):
    if part not in text:
        sys.exit(f"no {part!r} in the notices")
PYTHON
echo "ok: the zip holds $entries"
# Windows line ends in every text file (Notepad before 1809 shows Unix ones
# as one long line), and modes that do not depend on the builder's umask.
/usr/bin/python3 - "$zip" <<'PYTHON' || fail "the zip's files"
import sys, zipfile
for info in zipfile.ZipFile(sys.argv[1]).infolist():
    mode = info.external_attr >> 16
    if info.filename.endswith(".txt"):
        data = zipfile.ZipFile(sys.argv[1]).read(info)
        if data.count(b"\n") == 0 or data.count(b"\n") != data.count(b"\r\n"):
            sys.exit(f"{info.filename} has lines that do not end in CR LF")
        if mode != 0o100644:
            sys.exit(f"{info.filename} has mode {mode:o}")
    elif mode != 0o100755:
        sys.exit(f"{info.filename} has mode {mode:o}")
PYTHON
echo "ok: the zip's text files end their lines in CR LF; its modes are 644 and 755"

timeout 120 wine "$setup" /S || fail "the silent install failed"
timeout 60 wineserver -w

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VelkornCalculator'
query() { timeout 30 wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v k="$1" '$1 == k { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
installed=$(find "$WINEPREFIX/drive_c/users" -path '*/Programs/Velkorn Calculator/Velkorn Calculator.exe' | head -n1)
[ -n "$installed" ] || fail "no program under the user's Programs folder"
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Velkorn Calculator.lnk' | head -n1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
[ "$(query DisplayName)" = "Velkorn Calculator" ] || fail "DisplayName: $(query DisplayName)"
[ "$(query DisplayVersion)" = "$version" ] || fail "DisplayVersion: $(query DisplayVersion)"
[ "$(query Publisher)" = "Velkorn" ] || fail "Publisher: $(query Publisher)"
for name in DisplayIcon UninstallString QuietUninstallString; do
    [ -n "$(query "$name")" ] || fail "no $name"
done
query QuietUninstallString | grep -q 'uninstall.exe" /S$' || fail "QuietUninstallString: $(query QuietUninstallString)"
[ "$(query NoModify)" = 0x1 ] && [ "$(query NoRepair)" = 0x1 ] || fail "NoModify/NoRepair"
[ "$(query EstimatedSize)" != 0x0 ] && [ -n "$(query EstimatedSize)" ] || fail "no EstimatedSize"
[ -f "$(dirname "$installed")/third-party-notices.txt" ] || fail "no notices beside the installed program"
for text in "$(dirname "$installed")"/*.txt; do
    lines=$(grep -c '' "$text" || true) crlf=$(grep -c $'\r$' "$text" || true)
    [ "$lines" -gt 0 ] && [ "$lines" = "$crlf" ] || fail "$(basename "$text") has Unix line ends"
done
echo "ok: installed per user with its notices, a Start-menu shortcut and an Uninstall key"

wine "$installed" >/dev/null 2>&1 &
app=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Velkorn Calculator$' >/dev/null ||
    fail "the installed program showed no window"
stop_process "$app"
app=
timeout 60 wineserver -k || true
echo "ok: the installed program starts and shows its window"

# The uninstaller runs a copy of itself: wait for the wine server to idle.
timeout 120 wine "$(dirname "$installed")/uninstall.exe" /S || fail "the silent uninstall failed"
timeout 120 wineserver -w
[ ! -e "$(dirname "$installed")" ] || fail "the install folder is still there"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
! timeout 30 wine reg query "$key" >/dev/null 2>&1 || fail "the Uninstall key is still there"
echo "ok: the silent uninstall removed the program, its shortcut and its key"
echo "sizes: zip $(stat -c %s "$zip") bytes, installer $(stat -c %s "$setup") bytes"
