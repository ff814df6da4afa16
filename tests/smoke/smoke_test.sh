#!/usr/bin/env bash
# End-to-end run of the real program on the X display that xvfb-run provides:
# starts it in a copy of examples/, waits for the window "Brelm", takes a
# screenshot of the screen, presses Escape and expects the exit status 0.
# Usage: smoke_test.sh <lumo executable> <examples folder> <screenshot file>
set -uo pipefail

program=$1
examples=$2
screenshot=$3

work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "smoke: $*" >&2
    [ -s "$work/stderr.txt" ] && sed 's/^/lumo: /' "$work/stderr.txt" >&2
    exit 1
}

cp "$examples"/pronostico.txt "$examples"/esperanza.txt "$work"/
cd "$work" || fail "cannot enter $work"
"$program" >stdout.txt 2>stderr.txt &
pid=$!

window=""
for _ in $(seq 50); do
    window=$(xdotool search --name '^Brelm$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
done
[ -n "$window" ] || fail "no window \"Brelm\" within 5 seconds"

sleep 0.5  # the first paint
import -window root "$screenshot" || fail "no screenshot"
[ -s "$screenshot" ] || fail "empty screenshot"

xdotool windowfocus "$window"
sleep 0.2
xdotool key Escape

for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program still runs 5 seconds after Escape"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "exit status $status"
# The sample forecast adds up to 100 in every row, so nothing is reported.
[ -s stdout.txt ] && fail "unexpected output: $(cat stdout.txt)"
echo "smoke: window \"Brelm\" shown, screenshot in $screenshot, Escape ended it with status 0"
