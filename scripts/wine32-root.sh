#!/bin/bash
# Builds a private 32-bit Wine in DIR/root: Debian's own i386 Wine packages,
# unpacked (not installed), and a static qemu-i386 from the backports suite to
# run its loader, since this kernel cannot run 32-bit programs.
#   scripts/wine32-root.sh DIR
# Everything lives in DIR: its own apt configuration, lists, cache and an
# empty dpkg status. The system's dpkg state, sources and architectures stay
# untouched. The root is rebuilt only when this script or the host's Wine
# version changes.
set -euo pipefail
dir=$(mkdir -p "$1" && cd "$1" && pwd)
root="$dir/root"
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"

wine_packages="wine32:i386 libwine:i386 fonts-wine libz-mingw-w64"
# The libraries Wine's X11 driver and its TLS and D-Bus support open at run time.
x_packages="libxrender1:i386 libxcursor1:i386 libxi6:i386 libxrandr2:i386
 libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386
 libgnutls30:i386 libdbus-1-3:i386"
# bookworm's qemu 7.2 ignores MAP_FIXED_NOREPLACE: each Wine process would
# spend about 50 s reserving address space.
qemu_suite_suffix=-backports

die() { echo "wine32-root: $*" >&2; exit 1; }

# The host's 64-bit wineserver serves 32-bit clients of the same version.
host_wine_version() {
    dpkg-query -W -f='${Version}' wine64 2>/dev/null || true
}

inputs() {
    sha256sum "$self" | cut -d' ' -f1
    host_wine_version
}

# The archive this machine already uses, for the suite named by $1.
archive_for() {
    apt-get indextargets --format '$(RELEASE) $(REPO_URI)' 2>/dev/null |
        awk -v suite="$1" '$1 == suite { print $2; exit }'
}

# Runs apt-get with the private configuration only.
private_apt() {
    APT_CONFIG="$dir/apt/apt.conf" apt-get -q "$@"
}

# Downloads may fail on a busy network: try three times before giving up.
# apt's own output goes to DIR/apt.log and is shown when a try fails.
with_retries() {
    local n
    for n in 1 2 3; do
        "$@" >>"$dir/apt.log" 2>&1 && return 0
        tail -n 5 "$dir/apt.log" >&2
        echo "wine32-root: '$*' failed (try $n of 3)" >&2
        [ $n -lt 3 ] && sleep $((n * 10))
    done
    die "could not download the 32-bit Wine packages from $archive; see $dir/apt.log"
}

# A mirror in the middle of a sync serves some index files with the wrong
# size. After the retries, go on with the lists that did arrive: the install
# below still fails, clearly, if a package it needs has none.
update_lists() {
    local n
    for n in 1 2 3; do
        private_apt update >>"$dir/apt.log" 2>&1 && return 0
        [ $n -lt 3 ] && sleep $((n * 20))
    done
    grep '^E: ' "$dir/apt.log" | tail -n 2 >&2
    echo "wine32-root: some package lists did not download; going on without them" >&2
}

write_apt_config() {
    local codename security keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    archive=$(archive_for "$codename")
    [ -n "$archive" ] || die "no apt source of this machine serves '$codename'"
    security=$(archive_for "$codename-security")
    mkdir -p "$dir/apt/lists/partial" "$dir/apt/cache/archives/partial" \
        "$dir/apt/etc/preferences.d" "$dir/apt/etc/apt.conf.d"
    : >"$dir/apt/status"
    {
        echo "deb [signed-by=$keyring] $archive $codename main"
        echo "deb [signed-by=$keyring] $archive $codename-updates main"
        echo "deb [signed-by=$keyring] $archive $codename$qemu_suite_suffix main"
        [ -z "$security" ] || echo "deb [signed-by=$keyring] $security $codename-security main"
    } >"$dir/apt/sources.list"
    # Read first, so that none of the system's apt.conf.d (clean-up hooks,
    # update triggers) applies.
    cat >"$dir/apt/apt.conf" <<EOF
Dir::Etc::Parts "$dir/apt/etc/apt.conf.d";
Dir::Etc::Main "$dir/apt/apt.conf";
APT::Architecture "i386";
APT::Architectures { "i386"; "amd64"; };
Dir::Etc::SourceList "$dir/apt/sources.list";
Dir::Etc::SourceParts "/nonexistent";
Dir::Etc::Preferences "/nonexistent";
Dir::Etc::PreferencesParts "$dir/apt/etc/preferences.d";
Dir::State "$dir/apt";
Dir::State::Lists "$dir/apt/lists";
Dir::State::status "$dir/apt/status";
Dir::Cache "$dir/apt/cache";
Acquire::Retries "3";
Acquire::Check-Valid-Until "false";
Acquire::Languages "none";
APT::Sandbox::User "root";
APT::Install-Recommends "false";
EOF
    qemu_suite="$codename$qemu_suite_suffix"
}

# The packages apt would install for "$@", as the files it downloads them to.
package_files() {
    private_apt install -s -y "$@" | awk '$1 == "Inst" {
        name = $2; sub(/:.*/, "", name)
        version = substr($3, 2); gsub(/:/, "%3a", version)
        match($0, /\[[^]]+\]\)/); arch = substr($0, RSTART + 1, RLENGTH - 3)
        print name "_" version "_" arch ".deb" }'
}

download() {
    local version pinned="" p qemu="qemu-user:amd64/$qemu_suite"
    version=$(host_wine_version)
    for p in $wine_packages; do
        case "$p" in
            wine32:i386|libwine:i386) [ -n "$version" ] && p="$p=$version" ;;
        esac
        pinned="$pinned $p"
    done
    update_lists
    case "$(APT_CONFIG="$dir/apt/apt.conf" apt-cache madison qemu-user:amd64)" in
        *" $qemu_suite/main amd64 "*) ;;
        *) die "the archive $archive has no qemu-user for amd64 in $qemu_suite" ;;
    esac
    with_retries private_apt install -y -d $pinned $x_packages
    package_files $pinned $x_packages >"$dir/packages"
    # Only the emulator itself is unpacked, so none of its dependencies is needed.
    (cd "$dir/apt/cache/archives" && with_retries private_apt download "$qemu")
    package_files "$qemu" | grep '^qemu-user_' >>"$dir/packages"
    echo "qemu-i386 from $(grep '^qemu-user_' "$dir/packages")"
}

unpack() {
    local deb
    rm -rf "$root.new"
    mkdir -p "$root.new"
    while read -r deb; do
        dpkg-deb -x "$dir/apt/cache/archives/$deb" "$root.new"
    done <"$dir/packages"
    # qemu-user brings every emulator; only this one is used.
    find "$root.new/usr/bin" -name 'qemu-*' ! -name qemu-i386 -delete
    "$root.new/usr/bin/qemu-i386" --version >/dev/null 2>&1 ||
        die "qemu-user from $qemu_suite has no qemu-i386 that runs here"
    [ -x "$root.new/usr/lib/wine/wine" ] || die "wine32 did not unpack a loader"
}

# The guest's own library cache: without it the loader picks the host's
# /lib32 libc and FreeType is not found, and every window is drawn white.
library_cache() {
    echo 'include /etc/ld.so.conf.d/*.conf' >"$root.new/etc/ld.so.conf"
    ldconfig -r "$root.new"
}

# Wine re-executes its loader for every new process: the loader becomes a
# script that the kernel runs natively and that starts the real one in qemu.
loader_scripts() {
    local wine="$root.new/usr/lib/wine" server version
    mv "$wine/wine" "$wine/wine.bin"
    cat >"$wine/wine" <<'EOF'
#!/bin/sh
root=$(cd "$(dirname "$0")/../../.." && pwd)
export WINELOADER="$root/usr/lib/wine/wine"
export WINESERVER="$root/usr/lib/wine/wineserver"
# Debian's 32-bit user32 imports zlib1.dll; the first process of a session
# only finds it in the prefix's own system32.
sys32="${WINEPREFIX:-$HOME/.wine}/drive_c/windows/system32"
if [ -d "$sys32" ] && [ ! -f "$sys32/zlib1.dll" ]; then
    cp "$root/usr/lib/wine/zlib1.dll" "$sys32/" 2>/dev/null || true
fi
exec "$root/usr/bin/qemu-i386" -L "$root" -0 "$root/usr/lib/wine/wine" "$root/usr/lib/wine/wine.bin" "$@"
EOF
    version=$(dpkg-deb -f "$dir"/apt/cache/archives/wine32_*_i386.deb Version)
    if [ -x /usr/lib/wine/wineserver64 ] && [ "$version" = "$(host_wine_version)" ]; then
        server='exec /usr/lib/wine/wineserver64 "$@"'
    else
        server='root=$(cd "$(dirname "$0")/../../.." && pwd)
exec "$root/usr/bin/qemu-i386" -L "$root" "$root/usr/lib/wine/wineserver32" "$@"'
    fi
    rm -f "$wine/wineserver"
    printf '#!/bin/sh\n%s\n' "$server" >"$wine/wineserver"
    chmod +x "$wine/wine" "$wine/wineserver"
    find "$root.new/usr" -name zlib1.dll -path '*i686*' -exec cp {} "$wine/zlib1.dll" \;
    [ -f "$wine/zlib1.dll" ] || die "libz-mingw-w64 has no 32-bit zlib1.dll"
    cp "$wine/zlib1.dll" "$(dirname "$(find "$root.new/usr/lib" -type d -name i386-windows | head -n 1)")/i386-windows/"
}

build() {
    write_apt_config
    echo "Building the private 32-bit Wine in $root (about 210 MB to download)"
    : >"$dir/apt.log"
    download
    unpack
    library_cache
    loader_scripts
    rm -rf "$root"
    mv "$root.new" "$root"
    inputs >"$dir/inputs"
    echo "32-bit Wine ready: $root/usr/lib/wine/wine"
}

# Several runners may ask at once: one builds, the others wait and find it done.
exec 9>"$dir/.lock"
flock 9
if [ -f "$dir/inputs" ] && [ -d "$root" ] && [ "$(inputs)" = "$(cat "$dir/inputs")" ]; then
    exit 0
fi
build
