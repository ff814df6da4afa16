#!/usr/bin/env bash
# Runs the smoke test as a plain user, as players run Lumo: as user and group
# 65534 (nobody) when started as root, else as the caller. The program, the
# layout probe, the scripts and the sample forecasts are copied into a
# temporary folder that user owns, so that a build in a folder closed to
# others still serves.
# Usage: plain_user_smoke_test.sh <lumo executable> <layout probe> <examples folder>
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/examples"
cp "$1" "$work/lumo"
cp "$2" "$work/lumo_layout_probe"
cp "$here/smoke_test.sh" "$here/window_driver.sh" "$here/virtual_display.sh" "$work/"
cp "$3"/pronostico.txt "$3"/esperanza.txt "$work/examples/"

run=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$work"
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
"${run[@]}" env HOME="$work" "$work/virtual_display.sh" 1280x1024 \
    "$work/smoke_test.sh" "$work/lumo" "$work/lumo_layout_probe" "$work/examples" "$work/smoke.png"
"${run[@]}" sh -c 'echo "smoke: run as $(id -un) (uid $(id -u))"'
