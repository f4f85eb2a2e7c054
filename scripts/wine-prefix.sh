#!/bin/sh
# Creates the Wine prefix named by WINEPREFIX once; without Mono and Gecko so
# that no installer prompt can block a headless run. WINE and WINESERVER name
# the loader and server (64-bit Wine by default; scripts/wine32-env.sh sets
# them, and WINEARCH, for the private 32-bit Wine).
set -e
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=${WINE:-/usr/lib/wine/wine64}
server=${WINESERVER:-/usr/lib/wine/wineserver}
# Without a window manager (Xvfb) every hidden or destroyed managed window
# waits two seconds for a withdrawn state that never comes; unmanaged windows
# do not wait.
unmanaged() {
    $wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    $wine wineboot -i >/dev/null 2>&1 || true
    unmanaged
    # Nothing started here may live on: a desktop process started without a
    # display would serve the tests' windows later and fail to create them.
    $server -w
elif ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    unmanaged
fi
