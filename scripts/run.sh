#!/bin/bash
# Starts Quillory.exe of the win64 build under Wine on the bundled sample Study List.
# Without a display it runs on a virtual one, saves a screenshot of the main
# window to BUILD/screenshot.png and closes the program through WM_CLOSE.
#   scripts/run.sh [BUILD]     (BUILD defaults to build; the program is BUILD/win64)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
bin="$build/win64"
export WINEPREFIX="${WINEPREFIX:-$bin/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64

sample=$(ls "$here"/samples/*.qlx | head -n 1)
[ -f "$bin/Quillory.exe" ] || { echo "no $bin/Quillory.exe: build win64 first" >&2; exit 1; }
"$here/scripts/wine-prefix.sh"
# The program sees the sample under its Windows name, as Explorer would pass it.
winSample=$(winepath -w "$sample" 2>/dev/null)

if [ -n "${DISPLAY:-}" ]; then
    exec "$wine" "$bin/Quillory.exe" "$winSample"
fi

driver="$bin/quillory_rundriver.exe"
[ -f "$driver" ] || { echo "no $driver: build it with make run" >&2; exit 1; }
shot="$build/screenshot.png"
rm -f "$shot"
programPath=$(winepath -w "$bin/Quillory.exe")
shotPath=$(winepath -w "$shot")
# winepath started a server whose desktop has no display; the program must not
# find it still running when it starts under Xvfb.
/usr/lib/wine/wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$wine" "$driver" "$programPath" "$winSample" "$shotPath"
echo "Screenshot of the main window: $shot"
