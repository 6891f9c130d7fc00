# Sourced by scripts that run the Windows program under Wine: makes a fresh
# Wine prefix in the folder given and exports WINEPREFIX for the caller.
# No first-run installers, no crash dialog that would wait forever, and the
# labels' face falling back to Liberation Sans, as in the Linux build.
make_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    timeout 120 wineboot -i >/dev/null 2>&1 || { echo "wineboot could not make a prefix" >&2; return 1; }
    timeout 60 wineserver -w
    wine_setting 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
    wine_setting 'HKCU\Software\Wine\Fonts\Replacements' 'MS Sans Serif' REG_SZ 'Liberation Sans'
    timeout 60 wineserver -w
}

wine_setting() { timeout 60 wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }

# The whole ground of a Windows test: a work folder ($work), Xvfb with its
# window manager, and a fresh prefix in the work folder; on every way out,
# the program the caller started ($app), Wine's server, the display and the
# folder are gone again. Needs virtual-display.sh sourced and fail()
# defined.
start_wine_session() {
    work=$(mktemp -d)
    app=
    trap stop_wine_session EXIT
    start_virtual_display 1024x768x24
    make_wine_prefix "$work/prefix" || fail "no Wine prefix"
}

stop_wine_session() {
    stop_process "$app"
    timeout 20 wineserver -k 2>/dev/null || true
    stop_virtual_display
    rm -rf "$work"
}
