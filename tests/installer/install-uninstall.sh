#!/bin/sh
# Silent install and uninstall of the installer under Wine, in a prefix of its
# own: checks the files, the Start menu shortcut, the .qlx association and the
# uninstall entry, then that the uninstaller takes all of it away again and
# leaves the user's recent documents alone.
#   install-uninstall.sh [--win32 BUILD] INSTALLER PREFIX
# --win32 runs the x86 installer under the private 32-bit Wine of BUILD.
set -u
here=$(cd "$(dirname "$0")/../.." && pwd)
if [ "$1" = --win32 ]; then
    build=$2; shift 2
    exec "$here/scripts/wine32-env.sh" "$build" "$0" "$@"
fi
installer=$1
export WINEPREFIX=$2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=${WINE:-/usr/lib/wine/wine64}
server=${WINESERVER:-/usr/lib/wine/wineserver}
recent='HKCU\Software\Vantorel\Quillory\1.1\MRU'
failures=0

check() {  # check DESCRIPTION COMMAND...
    what=$1; shift
    if "$@" >/dev/null 2>&1; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
absent() { ! "$@"; }
reg_value() {  # reg_value KEY -> prints the default value
    $wine reg query "$1" 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'
}
# The uninstaller runs a copy of itself and returns at once: wait for its work,
# which ends with the removal of the program folder.
wait_gone() {
    n=0
    while [ -e "$1" ] && [ $n -lt 600 ]; do sleep 0.1; n=$((n + 1)); done
}

rm -rf "$WINEPREFIX"
"$here/scripts/wine-prefix.sh"
$server -p
trap '$server -k 2>/dev/null' EXIT

drive="$WINEPREFIX/drive_c"
dir="$drive/Program Files/Quillory"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillory"

check "silent install exits 0" $wine "$installer" /S
check "Quillory.exe installed" test -f "$dir/Quillory.exe"
check "qlx.exe installed" test -f "$dir/qlx.exe"
check "Quillory.chm installed" test -f "$dir/Quillory.chm"
check "uninstaller installed" test -f "$dir/Uninstall.exe"
check "Start menu shortcut" test -f "$menu/Quillory.lnk"
check ".qlx is a Quillory Study List" test "$(reg_value 'HKCR\.qlx')" = "Quillory.StudyList"
check "open command passes the path in quotes" \
    test "$(reg_value 'HKCR\Quillory.StudyList\shell\open\command')" = '"C:\Program Files\Quillory\Quillory.exe" "%1"'
check "icon is the program's" \
    test "$(reg_value 'HKCR\Quillory.StudyList\DefaultIcon')" = 'C:\Program Files\Quillory\Quillory.exe,0'
check "uninstall entry" $wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory' /v DisplayName

# What the program keeps for its user: uninstalling must not take it.
$wine reg add "$recent" /v 1 /d 'C:\users\Public\Documents\words.qlx' /f >/dev/null 2>&1

check "silent uninstall exits 0" $wine "$dir/Uninstall.exe" /S
wait_gone "$dir"
check "program folder removed" absent test -e "$dir"
check "Start menu folder removed" absent test -e "$menu"
check ".qlx association removed" absent $wine reg query 'HKCR\.qlx'
check "program id removed" absent $wine reg query 'HKCR\Quillory.StudyList'
check "uninstall entry removed" absent $wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory'
check "install folder key removed" absent $wine reg query 'HKLM\Software\Vantorel\Quillory'
check "recent documents kept" $wine reg query "$recent" /v 1

echo "installer: $failures failed"
[ $failures -eq 0 ]
