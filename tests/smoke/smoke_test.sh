#!/usr/bin/env bash
# End-to-end run of the real program on a virtual X display (virtual_display.sh),
# driven like a user with xdotool: starts it in a copy of examples/, waits
# for the window "Brelm", clicks "OK" of step 1 (all columns), clicks the
# save button of step 6, types a file name into the save dialog and presses
# Enter, checks that the file holds all 4,782,969 columns, presses Escape
# and expects the exit status 0. Before the Escape it clicks the web address,
# whose opener (a stand-in xdg-open that fails with status 3) must be
# reported in a message box. Screenshots: at start and after the save.
# With a window manager named, it runs under that one (started first) and
# checks that the window with its frame lies wholly on the screen, title bar
# included.
# Usage: smoke_test.sh <lumo executable> <layout probe> <examples folder> <screenshot file> [window manager]
set -uo pipefail

program=$1
probe=$2
examples=$3
screenshot=$4
window_manager=${5:-}
saved_screenshot=${screenshot%.png}-saved.png

# The program and the layout probe show on the X display, whatever platform
# the caller's environment names (a test run may set the offscreen one).
export QT_QPA_PLATFORM=xcb

work=$(mktemp -d)
pid=""
manager_pid=""
trap end_session EXIT

fail() {
    echo "smoke: $*" >&2
    [ -s "$work/stderr.txt" ] && sed 's/^/lumo: /' "$work/stderr.txt" >&2
    exit 1
}

# wait_for, find_main_window, window_place, client_area, click_control,
# save_through_dialog, end_session, start_window_manager
source "$(dirname "$0")/window_driver.sh"

if [ -n "$window_manager" ]; then
    start_window_manager "$window_manager"
fi

cp "$examples"/pronostico.txt "$examples"/esperanza.txt "$work"/
cd "$work" || fail "cannot enter $work"
# Stand-ins for the desktop's opener, which fails, and for the query of the
# default browser, which knows none.
mkdir bin
printf '#!/bin/sh\ntouch "%s/opener-ran"\nexit 3\n' "$work" >bin/xdg-open
printf '#!/bin/sh\nexit 1\n' >bin/xdg-mime
chmod +x bin/xdg-open bin/xdg-mime
PATH="$work/bin:$PATH" "$program" >stdout.txt 2>stderr.txt &
pid=$!

window=""
wait_for 50 find_main_window || fail "no window \"Brelm\" within 5 seconds"

sleep 0.5  # the first paint
import -window root "$screenshot" || fail "no screenshot"
[ -s "$screenshot" ] || fail "empty screenshot"

# Under a window manager: the window with its frame (the extents the window
# manager announces) lies on the screen, its title bar included.
if [ -n "$window_manager" ]; then
    framed() { [[ $(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null) == *" = "* ]]; }
    wait_for 50 framed ||
        fail "the window manager gave the window no frame"
    read -r frame_left frame_right frame_top frame_bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS |
        sed 's/.* = //; s/,/ /g')"
    # The frame: the window manager's window that holds ours, a child of the root.
    frame_window=$window
    for _ in 1 2 3 4; do
        parent=$(xwininfo -tree -id "$frame_window" | grep 'Parent window id:')
        [[ $parent == *"(the root window)"* ]] && break
        read -r _ _ _ frame_window _ <<<"$parent"
    done
    read -r frame_x frame_y _ _ <<<"$(window_place -id "$frame_window")"
    client_area
    [ "$frame_x" -eq $((X - frame_left)) ] && [ "$frame_y" -eq $((Y - frame_top)) ] ||
        fail "the frame's corner $frame_x,$frame_y does not match the extents around $X,$Y"
    read -r _ _ screen_width screen_height <<<"$(window_place -root)"
    [ "$frame_x" -ge 0 ] && [ "$frame_y" -ge 0 ] &&
        [ $((X + WIDTH + frame_right)) -le "$screen_width" ] &&
        [ $((Y + HEIGHT + frame_bottom)) -le "$screen_height" ] ||
        fail "the window with its frame ($frame_x,$frame_y, ${WIDTH}x${HEIGHT} inside extents" \
            "$frame_left $frame_right $frame_top $frame_bottom) is not wholly on the ${screen_width}x${screen_height} screen"
fi

# The layout in pixels, measured as the program measures it; the window must
# have the size it gives, or the places would be wrong.
layout=$("$probe" 1053 1082 1083 2>/dev/null) || fail "the layout probe failed"
client_area
read -r _ layout_width layout_height <<<"$(grep '^dialog ' <<<"$layout")"
[ "$WIDTH" = "$layout_width" ] && [ "$HEIGHT" = "$layout_height" ] ||
    fail "window is ${WIDTH}x${HEIGHT}, the layout gives ${layout_width}x${layout_height}"

xdotool windowfocus --sync "$window"
click_control 1053  # step 1: "OK" beside "Generar todas las columnas"
sleep 0.5
click_control 1082  # step 6: the floppy disk; waits in the queue until step 1 is done

save_through_dialog todas.txt 100

# The file appears complete: it is written aside and then renamed.
wait_for 300 test -f todas.txt || fail "no file todas.txt within 30 seconds"
count=$(head -n 1 todas.txt | tr -d '\r')
size=$(stat -c %s todas.txt)
[ "$count" = "4782969" ] || fail "the saved file announces \"$count\" columns"
[ "$size" = "76527513" ] || fail "the saved file has $size bytes, not 76527513"
sleep 0.3
import -window root "$saved_screenshot" || fail "no screenshot after the save"

# The web address: the failing opener is reported, not taken for a success.
xdotool windowfocus --sync "$window"
click_control 1083
wait_for 100 find_dialog || fail "no message box for the failed opening of the web address"
[ -f opener-ran ] || fail "the web address was not given to xdg-open"
message_title=$(xdotool getwindowname "$dialog")
[ "$message_title" = "lumo" ] || fail "the window after the click is \"$message_title\", not a message box"
xdotool windowfocus --sync "$dialog"
sleep 0.2
xdotool key Return
wait_for 50 sh -c "! xdotool search --onlyvisible --pid $pid 2>/dev/null | grep -qv '^$window\$'" ||
    fail "the message box did not close"

xdotool windowfocus --sync "$window"
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
[ -n "$window_manager" ] &&
    echo "smoke: under $window_manager the window's frame lies at $frame_x,$frame_y (title bar $frame_top pixels high)," \
        "the window ${WIDTH}x${HEIGHT} at $X,$Y, on the ${screen_width}x${screen_height} screen"
echo "smoke: window \"Brelm\" shown, all columns generated and saved through the save dialog" \
    "($count columns, $size bytes), the failed opening of the web address reported," \
    "Escape ended it with status 0; screenshots $screenshot," \
    "$saved_screenshot"
