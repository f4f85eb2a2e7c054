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
# Wine draws the program's texts with Liberation Sans (what it finds for
# Tahoma, MS Shell Dlg and System here) and links no font to it for the
# letters it lacks: link Noto CJK (fonts-noto-cjk), as Windows links its CJK
# fonts to its own, so that Chinese, Japanese and Korean texts show as letters.
links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
cjkLinks() {
    for face in "Liberation Sans" "DejaVu Sans"; do
        $wine reg add "$links" /v "$face" /t REG_MULTI_SZ /d "NotoSansCJK-Regular.ttc,Noto Sans CJK JP" /f \
            >/dev/null 2>&1 || true
        $wine reg add "$links" /v "$face Bold" /t REG_MULTI_SZ /d "NotoSansCJK-Bold.ttc,Noto Sans CJK JP Bold" /f \
            >/dev/null 2>&1 || true
    done
}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    $wine wineboot -i >/dev/null 2>&1 || true
    unmanaged
    cjkLinks
    # Nothing started here may live on: a desktop process started without a
    # display would serve the tests' windows later and fail to create them.
    $server -w
else
    grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null || unmanaged
    grep -q 'Noto Sans CJK JP Bold' "$WINEPREFIX/system.reg" 2>/dev/null || cjkLinks
fi
