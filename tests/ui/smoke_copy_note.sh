#!/usr/bin/env bash
# Starts the real executable in a real X server with a store of one note,
# selects the note and copies it as a person would, compares the clipboard
# with the note's text, then ends the program with Esc.
# Usage: smoke_copy_note.sh <Quillery executable> <engine module>
set -euo pipefail
executable=$1
module=$2

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "smoke test: $*" >&2
    exit 1
}

cp "$executable" "$module" "$work/"
mkdir -p "$work/CodeData/C"
printf 'int main()\r\n{\r\n    return 0; // 你好\r\n}' | iconv -f UTF-8 -t GBK >"$work/CodeData/C/hello.txt"

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

QT_QPA_PLATFORM=xcb "$work/Quillery" &
program=$!
pids+=("$program")

# The first window whose title is exactly the given one, waited for.
window_named() {
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

main=$(window_named 'Quillery1.0  By Tamberlo') || fail "the main window did not open"
sleep 0.5
# The client area's place on the screen, whatever frame the window manager drew.
left=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { print $4 }')
top=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ { print $4 }')

# Places inside the client area: the tree begins at 3, 38; the toolbar's
# buttons, 23 wide, begin at 4, 4, with a separator 8 wide after the third.
click_at() {
    xdotool mousemove $((left + $1)) $((top + $2)) click 1
    sleep 0.3
}
toolbar_button() {
    local position=$1 x=$((4 + 23 * $1 + 11))
    [ "$position" -gt 3 ] && x=$((x - 23 + 8))
    click_at "$x" 15
}

# The category, opened, then its note.
click_at 30 48
xdotool key Right Down
sleep 0.5
toolbar_button 5

box=$(window_named '信息：') || fail "no message after the copy"
xdotool windowactivate --sync "$box" key Return
sleep 0.3

expected=$(iconv -f GBK -t UTF-8 "$work/CodeData/C/hello.txt")
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
[ "$copied" = "$expected" ] || fail "the clipboard holds '$copied', not the note's text"

xdotool windowactivate --sync "$main" key Escape
status=0
timeout 10 tail --pid="$program" -f /dev/null || fail "Esc did not end the program"
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "smoke test passed"
