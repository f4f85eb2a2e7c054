#!/bin/sh
# Runs a Windows program (a test) under Wine with the screen at DPI dots per
# inch: in a prefix of its own beside the build's (PREFIX-dpiDPI), made once
# from it with LogPixels set, and with a server of its own for the one run.
# The program finds the DPI in QUILLORY_TEST_DPI.
#   wine-dpi.sh [--win32] DPI PROGRAM.exe [ARGS...]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
run="$here/cmake/wine-run.sh"
if [ "$1" = --win32 ]; then
    # The private 32-bit Wine and the 32-bit prefix, as cmake/wine-run.sh --win32 takes them.
    [ "${WINEARCH:-}" = win32 ] || exec "$here/scripts/wine32-env.sh" "$here/build" "$0" "$@"
    shift
    run="$run --win32"
fi
dpi=$1; shift
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=${WINE:-/usr/lib/wine/wine64}
server=${WINESERVER:-/usr/lib/wine/wineserver}
base=${WINEPREFIX:-$here/build/win64/wineprefix}
prefix=$base-dpi$dpi

WINEPREFIX=$base "$here/scripts/wine-prefix.sh"
# Made again when the build's prefix was updated since, or when making it stopped halfway.
logPixels=$(printf '"LogPixels"=dword:%08x' "$dpi")
if ! cmp -s "$base/.update-timestamp" "$prefix/.update-timestamp" ||
   ! grep -q "^$logPixels" "$prefix/user.reg" 2>/dev/null; then
    rm -rf "$prefix"
    mkdir -p "$prefix/drive_c/windows"
    # The system's own files, most of the prefix, are linked: nothing writes to them.
    for entry in "$base"/drive_c/windows/*; do
        case ${entry##*/} in
            system32|syswow64|winsxs) cp -al "$entry" "$prefix/drive_c/windows/" ;;
            *) cp -a "$entry" "$prefix/drive_c/windows/" ;;
        esac
    done
    for entry in "$base"/drive_c/*; do
        [ "${entry##*/}" = windows ] || cp -a "$entry" "$prefix/drive_c/"
    done
    cp -a "$base/dosdevices" "$base"/*.reg "$base/.update-timestamp" "$prefix/"
    WINEPREFIX=$prefix $wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1 </dev/null
    # The registry is on disk once the server has ended.
    WINEPREFIX=$prefix $server -w
fi

export WINEPREFIX=$prefix
trap '$server -k 2>/dev/null' EXIT
trap 'exit 1' INT TERM
# Wine's background services start here, away from the test's output (see wine-ctest.sh).
$wine wineboot >/dev/null 2>&1 </dev/null
QUILLORY_TEST_DPI=$dpi $run "$@"
