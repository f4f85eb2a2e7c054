#!/bin/sh
# Runs the win64 build's tests with one persistent wineserver, and always shuts
# that server down afterwards.
set -u
dir=$1; jobs=${2:-2}
# A server left from earlier runs may hold a desktop without this display.
/usr/lib/wine/wineserver -k 2>/dev/null
/usr/lib/wine/wineserver -w 2>/dev/null
/usr/lib/wine/wineserver -p
# Start Wine's background services now, with their output away from ctest:
# started from a test they would inherit its pipe and ctest would wait forever.
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 </dev/null
cd "$dir" && ctest --output-on-failure --timeout 900 -j "$jobs"
rc=$?
/usr/lib/wine/wineserver -k 2>/dev/null
exit $rc
