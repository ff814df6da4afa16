#!/usr/bin/env bash
# Runs a command on a virtual X display of its own: Xvfb picks a free display
# number itself (-displayfd), so tests running beside other X servers never
# race for one, as xvfb-run -a can.
# Usage: virtual_display.sh <width>x<height> <command> [arguments...]
set -uo pipefail

size=$1
shift
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$ready" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$ready"' EXIT

for _ in $(seq 100); do
    [ -s "$ready" ] && break
    kill -0 "$server" 2>/dev/null || { echo "virtual_display: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$ready" ] || { echo "virtual_display: Xvfb gave no display within 10 seconds" >&2; exit 1; }

DISPLAY=:$(head -n 1 "$ready") "$@"
