#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture of the window after the six
# steps, from the real program on a virtual X display: starts it on the
# sample forecasts, clicks through the steps with xdotool at the places the
# layout probe gives, saves the bet through the save dialog and captures the
# window. Re-run it whenever the window changes.
# Usage: scripts/screenshot.sh [build folder, default build/release] [output, default docs/screenshot.png]
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/release}")
output=$(realpath -m "${2:-$root/docs/screenshot.png}")

if [ -z "${LUMO_SCREENSHOT_DISPLAY:-}" ]; then
    exec env LUMO_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$output"
fi

program=$build/app/lumo
probe=$build/tests/smoke/lumo_layout_probe
[ -x "$program" ] && [ -x "$probe" ] || {
    echo "screenshot: build lumo and lumo_layout_probe in $build first" >&2
    exit 1
}

work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "screenshot: $*" >&2
    [ -n "${LUMO_SCREENSHOT_FAILURE:-}" ] && import -window root "$LUMO_SCREENSHOT_FAILURE"
    exit 1
}
# wait_for, find_main_window, client_area, click_control, save_through_dialog
source "$root/tests/smoke/window_driver.sh"

cp "$root"/examples/pronostico.txt "$root"/examples/esperanza.txt "$work"/
cd "$work" || fail "cannot enter $work"
"$program" >/dev/null 2>&1 &
pid=$!

window=""
wait_for 50 find_main_window || fail "no window \"Brelm\" within 5 seconds"
sleep 0.5
client_area
layout=$("$probe" 1053 1056 1038 1057 1033 1032 1054 1055 1052 1036 1043 1082) || fail "the layout probe failed"

# Replaces the text of edit box $1 by $2.
type_into() {
    click_control "$1"
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
}

# The clicks queue up while a long command runs, as a user's would.
xdotool windowfocus --sync "$window"
click_control 1053       # 1: all columns
sleep 0.5
type_into 1056 72        # 2: cut the columns scoring 72 or less
click_control 1038
click_control 1057       # 3: the fixed results of the forecast
type_into 1033 3         # 4: 3 to 8 variants, 1 to 4 2s
type_into 1032 8
type_into 1054 1
type_into 1055 4
click_control 1052
click_control 1036       # 5: sort by score, then reduce to distance 2
click_control 1043
click_control 1082       # 6: save

save_through_dialog apuesta.txt 600
wait_for 100 test -s apuesta.txt || fail "no bet file apuesta.txt within 10 seconds"
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$window" "$output" || fail "no screenshot"
echo "screenshot: $output ($(head -n 1 apuesta.txt | tr -d '\r') columns in the saved bet)"
