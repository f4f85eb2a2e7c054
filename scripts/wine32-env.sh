#!/bin/sh
# Runs COMMAND with the Wine scripts pointed at the private 32-bit Wine of a
# build tree (built here on first use by scripts/wine32-root.sh) and at a
# 32-bit prefix of its own, BUILD/win32/wineprefix. Its server is that
# prefix's own, so it runs beside the 64-bit one.
#   scripts/wine32-env.sh BUILD COMMAND [ARGS...]
# An environment already set up for 32 bits (WINEARCH=win32) is kept.
set -e
build=$(mkdir -p "$1" && cd "$1" && pwd); shift
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${WINEARCH:-}" != win32 ]; then
    export WINEARCH=win32
    export WINE="$build/wine32/root/usr/lib/wine/wine"
    export WINESERVER="$build/wine32/root/usr/lib/wine/wineserver"
    export WINEPREFIX="$build/win32/wineprefix"
    "$here/scripts/wine32-root.sh" "$build/wine32"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec "$@"
