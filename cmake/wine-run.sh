#!/bin/sh
# Runs a Windows executable under 64-bit Wine, or with --win32 under the
# private 32-bit Wine (scripts/wine32-env.sh). WINE names another loader.
# The prefix lives in the build tree (WINEPREFIX may name another one), so runs
# never touch ~/.wine and their registry starts clean.
#   cmake/wine-run.sh [--win32] PROGRAM.exe [ARGS...]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --win32 ]; then
    shift
    exec "$here/scripts/wine32-env.sh" "$here/build" "$0" "$@"
fi
export WINEPREFIX="${WINEPREFIX:-$here/build/win64/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
"$here/scripts/wine-prefix.sh" >/dev/null
exec "${WINE:-/usr/lib/wine/wine64}" "$@"
