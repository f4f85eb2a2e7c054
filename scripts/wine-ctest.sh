#!/bin/sh
# Runs a Windows build's tests with one persistent wineserver, and always shuts
# that server down afterwards. WINE and WINESERVER name the loader and server
# (64-bit Wine by default; scripts/wine32-env.sh sets them for 32 bits).
#   wine-ctest.sh BUILD_DIR [JOBS] [CTEST_ARGS...]
set -u
dir=$1; jobs=${2:-2}
shift; [ $# -gt 0 ] && shift
wine=${WINE:-/usr/lib/wine/wine64}
server=${WINESERVER:-/usr/lib/wine/wineserver}
# A server left from earlier runs may hold a desktop without this display.
$server -k 2>/dev/null
$server -w 2>/dev/null
$server -p
# Start Wine's background services now, with their output away from ctest:
# started from a test they would inherit its pipe and ctest would wait forever.
$wine wineboot >/dev/null 2>&1 </dev/null
cd "$dir" && ctest --output-on-failure --timeout 900 -j "$jobs" "$@"
rc=$?
$server -k 2>/dev/null
exit $rc
