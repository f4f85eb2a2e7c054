#!/bin/sh
# Runs each fuzzer for SECONDS: the Study List loader on a copy of its seed
# corpus (fuzz/corpus stays as it is), then qlx's text readers and imports
# (TSV, CSV, Anki, Quizlet). Fails when a fuzzer finds a crash; the crashing
# input is kept in BUILD/artifacts.
#   scripts/run-fuzz.sh BUILD [SECONDS]
set -eu
build=$(cd "$1" && pwd)
seconds=${2:-60}
here=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/qlx-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/load" "$work/csv" "$build/artifacts"
cp "$here"/fuzz/corpus/* "$work/load/"

"$build/fuzz_load" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
    -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$work/load"
"$build/fuzz_csv" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
    -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$work/csv"
