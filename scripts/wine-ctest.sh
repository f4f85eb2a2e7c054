#!/bin/sh
# Runs the win64 build's tests with one persistent wineserver, and always shuts
# that server down afterwards.
set -u
dir=$1; jobs=${2:-2}
/usr/lib/wine/wineserver -p
cd "$dir" && ctest --output-on-failure -j "$jobs"
rc=$?
/usr/lib/wine/wineserver -k 2>/dev/null
exit $rc
