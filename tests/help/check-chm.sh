#!/bin/sh
# Checks the compiled help as the viewer will read it: the keyword index holds
# the three keywords the program's dialogs ask for, each leading to its page,
# and every page the index, the contents and the pages' own links name, and
# every picture the pages show, is in the file.
#   check-chm.sh QUILLORY.CHM
set -u
chm=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

[ -f "$chm" ] || { echo "FAILED: no help file $chm"; exit 1; }
chmls -n list "$chm" 2>/dev/null | sed -n 's|^/||p' | grep -v '^[#$:]' >"$work/files"
chmls extractindex "$chm" "$work/index" >/dev/null 2>&1 || fail "the help has no keyword index"
chmls extracttoc "$chm" "$work/toc" >/dev/null 2>&1 || fail "the help has no table of contents"
chmls extractall "$chm" "$work/pages" >/dev/null 2>&1 || fail "the pages cannot be extracted"

# keyword|page for each entry of a sitemap: its first Name and its Local.
entries() {
    awk '/<OBJECT/ { name = ""; local = "" }
         /param name="Name"/ && name == "" { sub(/.*value="/, ""); sub(/".*/, ""); name = $0 }
         /param name="Local"/ { sub(/.*value="/, ""); sub(/".*/, ""); local = $0 }
         /<\/OBJECT>/ && local != "" { print name "|" local }' "$1"
}
entries "$work/index" >"$work/index.entries"
entries "$work/toc" >"$work/toc.entries"

for entry in "Adding/Editing Items|items.html" \
             "Customizing Study List Structure|customizing.html" \
             "Specifying Study Session Settings|settings.html"; do
    grep -qxF "$entry" "$work/index.entries" && echo "ok: index entry $entry" || fail "index entry $entry"
done
[ "$(head -n 1 "$work/toc.entries")" = "Welcome to Quillory|index.html" ] \
    && echo "ok: the contents begin with the welcome page" || fail "the contents begin with the welcome page"

named=0
for page in $(cut -d'|' -f2 "$work/index.entries" "$work/toc.entries" | sort -u); do
    named=$((named + 1))
    grep -qxF "$page" "$work/files" || fail "$page is named by the index or the contents but not in the help"
done
echo "ok: $named pages named by the index and the contents"

links=0
for page in "$work"/pages/*.html; do
    # Pages it links to and pictures it shows.
    for target in $(grep -o 'href="[^"#:]*\|src="[^"]*' "$page" | sed 's/^[a-z]*="//'); do
        links=$((links + 1))
        grep -qxF "$target" "$work/files" || fail "$(basename "$page") names $target, which is not in the help"
    done
    grep -q "<title>[^<]" "$page" || fail "$(basename "$page") has no title"
done
echo "ok: $links links and pictures in the pages"

echo "help: $failures failed"
[ $failures -eq 0 ]
