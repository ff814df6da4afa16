#!/usr/bin/env bash
# Unpacks the built Debian package with dpkg-deb -x and runs the smoke test
# against the program of the unpacked tree, with the sample forecasts the
# package ships. Runs on a virtual display (virtual_display.sh).
# Usage: package_smoke_test.sh <package folder> <smoke test> <layout probe> <screenshot file>
set -uo pipefail

folder=$1
smoke=$2
probe=$3
screenshot=$4

packages=("$folder"/lumo_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || {
    echo "package: expected one lumo_*.deb in $folder, found: ${packages[*]}" >&2
    exit 1
}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "${packages[0]}" "$tree" || exit 1
"$smoke" "$tree/usr/bin/lumo" "$probe" "$tree/usr/share/doc/lumo/examples" "$screenshot"
