#!/bin/sh
# Creates the Wine prefix named by WINEPREFIX once; without Mono and Gecko so
# that no installer prompt can block a headless run.
set -e
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
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
    /usr/lib/wine/wineserver -w
elif ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    unmanaged
fi
