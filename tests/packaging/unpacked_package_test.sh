#!/usr/bin/env bash
# Unpacks the built Debian package with dpkg-deb -x and runs a smoke test
# against the programs and sample forecasts of the unpacked tree: every
# argument after the smoke test is passed on, with "@TREE@" in it replaced
# by the unpacked tree's folder.
# Usage: unpacked_package_test.sh <package folder> <smoke test> [argument...]
set -uo pipefail

folder=$1
smoke=$2
shift 2

packages=("$folder"/lumo_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || {
    echo "package: expected one lumo_*.deb in $folder, found: ${packages[*]}" >&2
    exit 1
}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "${packages[0]}" "$tree" || exit 1
"$smoke" "${@//@TREE@/$tree}"
