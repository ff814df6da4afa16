#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR with the prefix /usr and checks
# the tree a player's system gets: the program, the menu entry and the icon
# it names, the icons of every size at that size, the metainfo that launches
# that entry, both manual pages, the package documents and the sample
# forecasts; and that the entry's Exec line starts the program in the home
# folder.
# The same for Lumo Reducir, whose entry passes the chosen file (%f).
# Usage: install_tree_test.sh <build folder> <application id> <1 when lumo-cli is built, else 0>
#        <Lumo Reducir's application id>
set -uo pipefail

build=$1
id=$2
with_cli=$3
reducir_id=$4

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0
fail() {
    echo "install: $*" >&2
    failures=$((failures + 1))
}

DESTDIR=$tree cmake --install "$build" --prefix /usr >"$tree.log" 2>&1 || {
    cat "$tree.log" >&2
    rm -f "$tree.log"
    echo "install: cmake --install failed" >&2
    exit 1
}
rm -f "$tree.log"
usr=$tree/usr

[ -x "$usr/bin/lumo" ] || fail "no executable bin/lumo"
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
files=(
    "$desktop" "$metainfo" "$usr/share/icons/hicolor/scalable/apps/$id.svg"
    "$usr/share/man/man1/lumo.1.gz" "$usr/share/man/es/man1/lumo.1.gz"
    "$usr/share/doc/lumo/copyright" "$usr/share/doc/lumo/changelog.gz"
    "$usr/share/doc/lumo/examples/pronostico.txt" "$usr/share/doc/lumo/examples/esperanza.txt"
)
for file in "${files[@]}"; do
    [ -s "$file" ] || fail "missing or empty: ${file#"$tree"}"
done

for size in 48 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    got=$(identify -format '%m %wx%h' "$png" 2>/dev/null)
    [ "$got" = "PNG ${size}x${size}" ] || fail "icon ${size}x${size}: \"$got\""
done

grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"

# Both pages are manual pages of lumo(1), the Spanish one in Spanish.
for page in man/man1 man/es/man1; do
    zcat "$usr/share/$page/lumo.1.gz" 2>/dev/null | grep -q '^\.TH LUMO 1 ' || fail "$page/lumo.1.gz is no page of lumo(1)"
done
zcat "$usr/share/man/es/man1/lumo.1.gz" | grep -q 'carpeta personal' || fail "the Spanish page does not name the home folder"

if [ "$with_cli" = 1 ]; then
    [ -x "$usr/bin/lumo-cli" ] || fail "no executable bin/lumo-cli"
    [ -s "$usr/share/man/man1/lumo-cli.1.gz" ] ||
        fail "no manual page lumo-cli(1)"
fi

# The Exec line, run as a launcher runs it from another folder, starts
# "lumo" from the PATH in the home folder; a stand-in records where.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
mkdir -p "$tree/home" "$tree/stand-in" "$tree/elsewhere"
printf '#!/bin/sh\npwd >"$HOME/started-in"\n' >"$tree/stand-in/lumo"
chmod +x "$tree/stand-in/lumo"
(cd "$tree/elsewhere" && HOME=$tree/home PATH=$tree/stand-in:$PATH eval "$exec_line") ||
    fail "the Exec line failed: $exec_line"
[ "$(cat "$tree/home/started-in" 2>/dev/null)" = "$tree/home" ] ||
    fail "the Exec line did not start lumo in the home folder: $exec_line"

# Lumo Reducir: its program, entry, icons, metainfo and both manual pages.
[ -x "$usr/bin/lumo-reducir" ] || fail "no executable bin/lumo-reducir"
reducir_desktop=$usr/share/applications/$reducir_id.desktop
for file in "$reducir_desktop" "$usr/share/metainfo/$reducir_id.metainfo.xml" \
    "$usr/share/icons/hicolor/scalable/apps/$reducir_id.svg"; do
    [ -s "$file" ] || fail "missing or empty: ${file#"$tree"}"
done
for size in 48 128 256; do
    got=$(identify -format '%m %wx%h' "$usr/share/icons/hicolor/${size}x${size}/apps/$reducir_id.png" 2>/dev/null)
    [ "$got" = "PNG ${size}x${size}" ] || fail "Lumo Reducir's icon ${size}x${size}: \"$got\""
done
grep -qx "Icon=$reducir_id" "$reducir_desktop" || fail "Lumo Reducir's entry does not name the icon $reducir_id"
for page in man/man1 man/es/man1; do
    zcat "$usr/share/$page/lumo-reducir.1.gz" 2>/dev/null | grep -q '^\.TH LUMO-REDUCIR 1 ' ||
        fail "$page/lumo-reducir.1.gz is no page of lumo-reducir(1)"
done
zcat "$usr/share/man/es/man1/lumo-reducir.1.gz" | grep -q 'carpeta de la apuesta' ||
    fail "the Spanish page of lumo-reducir is not in Spanish"
# Its Exec line, with a file as a launcher expands %f, starts "lumo-reducir"
# from the PATH with that file; a stand-in records its argument.
reducir_exec=$(sed -n 's/^Exec=//p' "$reducir_desktop")
printf '#!/bin/sh\nprintf "%%s" "$1" >"$HOME/opened"\n' >"$tree/stand-in/lumo-reducir"
chmod +x "$tree/stand-in/lumo-reducir"
(cd "$tree/elsewhere" && HOME=$tree/home PATH=$tree/stand-in:$PATH \
    eval "${reducir_exec//%f/\"$tree/mi apuesta.txt\"}") || fail "the Exec line failed: $reducir_exec"
[ "$(cat "$tree/home/opened" 2>/dev/null)" = "$tree/mi apuesta.txt" ] ||
    fail "Lumo Reducir's Exec line did not pass the file: $reducir_exec"

[ "$failures" -eq 0 ] || exit 1
echo "install: the tree under DESTDIR holds the program, menu entry, icons, metainfo, manual pages and examples"
