#!/usr/bin/env bash
# Unpacks the built Debian package with dpkg-deb -x and runs Lumo Reducir's
# smoke test against the programs of the unpacked tree (lumo-reducir, and
# lumo-cli to build and check the bet), with the sample forecast the package
# ships. Runs on a virtual display (virtual_display.sh).
# Usage: package_reducir_smoke_test.sh <package folder> <smoke test> <screenshot file>
set -uo pipefail

folder=$1
smoke=$2
screenshot=$3

packages=("$folder"/lumo_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || {
    echo "package: expected one lumo_*.deb in $folder, found: ${packages[*]}" >&2
    exit 1
}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "${packages[0]}" "$tree" || exit 1
"$smoke" "$tree/usr/bin/lumo-reducir" "$tree/usr/bin/lumo-cli" "$tree/usr/share/doc/lumo/examples" \
    "$screenshot" openbox
