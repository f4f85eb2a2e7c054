#!/bin/sh
# Installs the Debian packages the project needs, only those that are missing.
set -e
packages="cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
 wine wine64 xvfb xauth x11-apps imagemagick fonts-liberation fonts-dejavu-core fonts-noto-cjk
 nlohmann-json3-dev libcli11-dev libutf8proc-dev valgrind nsis zip fp-utils-3.2.2"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
