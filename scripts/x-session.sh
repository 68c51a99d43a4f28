# Sourced by the scripts that drive the real program in a real X server:
# an Xvfb display of its own with a window manager, torn down at the end.

x_pids=()
x_cleanup_dirs=()

x_session_end() {
    for pid in "${x_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for dir in "${x_cleanup_dirs[@]}"; do rm -rf "$dir"; done
}
trap x_session_end EXIT

# Starts Xvfb of the given size on a display that no other server holds, so
# that sessions run side by side never meet, and openbox on it; DISPLAY names
# it afterwards.
x_session_start() {
    local size=$1 number
    number=$(mktemp)
    x_cleanup_dirs+=("$number")
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    x_pids+=($!)
    for _ in $(seq 100); do grep -qx '[0-9][0-9]*' "$number" && break; sleep 0.1; done
    export DISPLAY=":$(cat "$number")"
    for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    x_pids+=($!)
    sleep 1
}

# Runs the program in the background; program_pid names it.
x_start_program() {
    QT_QPA_PLATFORM=xcb "$1" &
    program_pid=$!
    x_pids+=("$program_pid")
}

# The first shown window whose title is exactly the given one, waited for.
x_window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# The client area's place on the screen, whatever frame the window manager
# drew: sets client_left and client_top.
x_client_origin() {
    client_left=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print $4 }')
    client_top=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $4 }')
}

# Clicks at a place of the client area last measured.
x_click_at() {
    xdotool mousemove $((client_left + $1)) $((client_top + $2)) click 1
    sleep 0.3
}

# Saves a picture of the window with the frame the window manager drew
# around it, and of whatever lies on top of it.
x_window_shot() {
    local extents left right top bottom
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    local x y width height
    x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print $4 }')
    y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $4 }')
    width=$(xwininfo -id "$1" | awk '/Width:/ { print $2 }')
    height=$(xwininfo -id "$1" | awk '/Height:/ { print $2 }')
    import -window root -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" \
        +repage "$2"
}
