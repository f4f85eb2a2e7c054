#!/bin/sh
# Runs a Windows executable of the win64 build under 64-bit Wine.
# The prefix lives in the build tree (WINEPREFIX may name another one), so runs
# never touch ~/.wine and their registry starts clean.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/win64/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
"$here/scripts/wine-prefix.sh" >/dev/null
exec /usr/lib/wine/wine64 "$@"
