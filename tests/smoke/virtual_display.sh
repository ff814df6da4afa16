#!/usr/bin/env bash
# Runs a command on a virtual X display of its own: Xvfb picks a free display
# number itself (-displayfd), so tests running beside other X servers never
# race for one, as xvfb-run -a can. The server never resets (-noreset): by
# default it resets when its last client leaves, and a reset drops a client
# that is still connecting, so a short client (xdotool, the layout probe)
# that came and went while the program was starting made the program fail
# with "could not connect to display". Xvfb's messages are shown when the
# command fails.
# Usage: virtual_display.sh <width>x<height> <command> [arguments...]
set -uo pipefail

size=$1
shift
ready=$(mktemp)
log=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$ready" 2>"$log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$ready" "$log"' EXIT

for _ in $(seq 100); do
    [ -s "$ready" ] && break
    kill -0 "$server" 2>/dev/null || { echo "virtual_display: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$ready" ] || { echo "virtual_display: Xvfb gave no display within 10 seconds" >&2; exit 1; }

display=$(head -n 1 "$ready")
DISPLAY=:$display "$@"
status=$?
if [ "$status" -ne 0 ]; then
    echo "virtual_display: the command failed on display :$display; Xvfb said:" >&2
    sed 's/^/Xvfb: /' "$log" >&2
fi
exit $status
