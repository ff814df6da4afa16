# Drives the real program's window with xdotool, like a user. Sourced by the
# smoke tests and the screenshot scripts, which define fail (report and exit)
# and set work (their folder), pid (the program's process), manager_pid (the
# window manager's, when they start one) and layout (the layout probe's output);
# client_area sets X, Y (the main window's place on the screen).

# Waits up to $1 tenths of a second for the command after it to succeed;
# fails when the program ends meanwhile.
wait_for() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended unexpectedly"
        sleep 0.1
    done
    return 1
}

# Sets window to the main window "Brelm", if it is there.
find_main_window() {
    window=$(xdotool search --name '^Brelm$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

# Sets dialog to a shown window of the program other than the main one, if
# there is one: a message box or a file dialog.
find_dialog() {
    dialog=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -v "^$window\$" | head -n 1)
    [ -n "$dialog" ]
}

# Prints "x y width height", the place and size on the screen of the window
# that the xwininfo options name (-id <window> or -root), as the X server has
# it. (xdotool getwindowgeometry adds the frame's extents under a window
# manager.)
window_place() {
    xwininfo "$@" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
        /^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print x, y, w, h}'
}

# Sets X, Y, WIDTH and HEIGHT to the place and size of the client area of
# $window on the screen.
client_area() {
    read -r X Y WIDTH HEIGHT <<<"$(window_place -id "$window")"
    [ -n "$HEIGHT" ] || fail "xwininfo knows no window $window"
}

# Clicks the middle of a control of the main window.
click_control() {
    local x y w h
    read -r _ x y w h <<<"$(grep "^$1 " <<<"$layout")"
    [ -n "$h" ] || fail "control $1 is not in the layout"
    xdotool mousemove --sync $((X + x + w / 2)) $((Y + y + h / 2)) click 1
}

# Waits up to $2 tenths of a second for the save dialog, types the file name
# $1 into it and presses Enter.
save_through_dialog() {
    dialog=""
    wait_for "$2" find_dialog || fail "no save dialog within $(($2 / 10)) seconds"
    [ "$(xdotool getwindowname "$dialog")" = "Guardar como" ] ||
        fail "\"$(xdotool getwindowname "$dialog")\" came up instead of the save dialog"
    xdotool windowfocus --sync "$dialog"
    sleep 0.3
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Return
}

# Ends the program ($pid) and the window manager ($manager_pid) if they still
# run, and removes the work folder ($work); for `trap end_session EXIT`.
end_session() {
    if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
    fi
    if [ -n "${manager_pid:-}" ]; then
        kill "$manager_pid" 2>/dev/null
    fi
    rm -rf "$work"
}

# Starts the window manager $1, its output in $work/window-manager.txt, sets
# manager_pid and waits up to 40 seconds (a loaded machine may take a while)
# for it to announce itself on the root window; fails when it ends or stays
# silent.
start_window_manager() {
    "$1" >"$work/window-manager.txt" 2>&1 &
    manager_pid=$!
    for _ in $(seq 400); do
        [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]] && return 0
        kill -0 "$manager_pid" 2>/dev/null || fail "the window manager $1 ended: $(cat "$work/window-manager.txt")"
        sleep 0.1
    done
    fail "the window manager $1 did not start within 40 seconds: $(cat "$work/window-manager.txt")"
}
