#!/bin/sh
# Runs every benchmark of a build made with -DQUILLORY_TESTS=OFF; they print
# their figures and never fail on time. With a Windows build of the save
# benchmark, runs that too, under wine64.
#   scripts/run-bench.sh BUILD [WINDOWS_BUILD]
set -eu
dir=$1/bench
found=0
for exe in "$dir"/bench_*; do
    [ -f "$exe" ] && [ -x "$exe" ] || continue
    found=1
    echo "== $(basename "$exe")"
    case $(basename "$exe") in
        # They set qlx check against cat, and qlx import against the
        # program's import, of the same file.
        bench_file|bench_import) "$exe" --qlx "$1/qlx" ;;
        *) "$exe" ;;
    esac
done
[ "$found" -eq 1 ] || { echo "no benchmarks in $dir" >&2; exit 1; }
if [ $# -ge 2 ]; then
    echo "== bench_save.exe under wine64"
    "$(dirname "$0")/../cmake/wine-run.sh" "$2/bench/bench_save.exe"
fi
