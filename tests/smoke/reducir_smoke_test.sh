#!/usr/bin/env bash
# End-to-end run of Lumo Reducir on a virtual X display (virtual_display.sh)
# under a window manager, driven by keyboard like a user: builds a bet with
# lumo-cli from the sample forecast, starts the program with the bet as its
# argument, waits for the window "apuesta.txt — Lumo Reducir", checks that it
# lies on the screen with its frame, presses Alt+R (Reducir, al 13 by
# default), then Alt+G (Grabar) until the save dialog comes, saves
# "apuesta-al13.txt", checks it with "lumo-cli check --guarantee 13", takes a
# screenshot and quits with Ctrl+Q, expecting the exit status 0.
# Usage: reducir_smoke_test.sh <lumo-reducir> <lumo-cli> <examples folder> <screenshot file> [window manager]
set -uo pipefail

program=$1
cli=$2
examples=$3
screenshot=$4
window_manager=${5:-}

export QT_QPA_PLATFORM=xcb

work=$(mktemp -d)
# Settings of its own (the recent bets), so that bets of the same name
# opened elsewhere do not add their folder to the title.
export XDG_CONFIG_HOME="$work/config"
pid=""
manager_pid=""
trap end_session EXIT

fail() {
    echo "reducir smoke: $*" >&2
    [ -s "$work/stderr.txt" ] && sed 's/^/lumo-reducir: /' "$work/stderr.txt" >&2
    [ -n "${LUMO_SMOKE_FAILURE:-}" ] && import -window root "$LUMO_SMOKE_FAILURE"
    exit 1
}

# wait_for, find_dialog, window_place, client_area, end_session,
# start_window_manager
source "$(dirname "$0")/window_driver.sh"

if [ -n "$window_manager" ]; then
    start_window_manager "$window_manager"
fi

cd "$work" || fail "cannot enter $work"
cp "$examples"/pronostico.txt .
"$cli" generate -o todas.txt 2>/dev/null &&
    "$cli" filter todas.txt --above 70 --no-zero -o apuesta.txt 2>/dev/null ||
    fail "lumo-cli could not build the bet"
rm todas.txt

"$program" apuesta.txt >stdout.txt 2>stderr.txt &
pid=$!

find_reducir_window() {
    window=$(xdotool search --name '^apuesta\.txt — Lumo Reducir$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
window=""
wait_for 100 find_reducir_window || fail "no window \"apuesta.txt — Lumo Reducir\" within 10 seconds"
sleep 0.5

if [ -n "$window_manager" ]; then
    framed() { [[ $(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null) == *" = "* ]]; }
    wait_for 50 framed || fail "the window manager gave the window no frame"
    read -r frame_left frame_right frame_top frame_bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS |
        sed 's/.* = //; s/,/ /g')"
    client_area
    read -r _ _ screen_width screen_height <<<"$(window_place -root)"
    [ $((X - frame_left)) -ge 0 ] && [ $((Y - frame_top)) -ge 0 ] &&
        [ $((X + WIDTH + frame_right)) -le "$screen_width" ] &&
        [ $((Y + HEIGHT + frame_bottom)) -le "$screen_height" ] ||
        fail "the window with its frame ($X,$Y, ${WIDTH}x${HEIGHT} inside extents" \
            "$frame_left $frame_right $frame_top $frame_bottom) is not wholly on the ${screen_width}x${screen_height} screen"
fi

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key alt+r
# "Grabar" is enabled once the reduction is done; until then Alt+G does nothing.
save_dialog_up() {
    xdotool key --window "$window" alt+g
    sleep 0.3
    find_dialog
}
dialog=""
wait_for 200 save_dialog_up || fail "no save dialog within 60 seconds of Alt+R"
[ "$(xdotool getwindowname "$dialog")" = "Guardar como — Lumo Reducir" ] ||
    fail "\"$(xdotool getwindowname "$dialog")\" came up instead of the save dialog"
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 "apuesta-al13.txt"
xdotool key Return
wait_for 100 test -s apuesta-al13.txt || fail "no file apuesta-al13.txt within 10 seconds"
sleep 0.5

"$cli" check apuesta.txt apuesta-al13.txt --guarantee 13 >check.txt 2>&1 ||
    fail "lumo-cli check refused the saved reduction: $(cat check.txt)"
echo "reducir smoke: $(head -n 1 apuesta.txt | tr -d '\r') columns reduced al 13 to" \
    "$(head -n 1 apuesta-al13.txt | tr -d '\r'); lumo-cli check: $(tr '\n' ' ' <check.txt)"

import -window root "$screenshot" || fail "no screenshot"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key ctrl+q
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running 5 seconds after Ctrl+Q"
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || fail "exit status $status"
echo "reducir smoke: passed"
