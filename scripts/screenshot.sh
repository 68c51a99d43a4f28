#!/usr/bin/env bash
# Takes a screenshot of the real window in Xvfb, with the sample store and
# its first note shown: docs/main-window.png. Run after a build.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$top/docs/main-window.png}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

cp "$top/build/bin/Quillery" "$top/build/bin/libSciLexer.so" "$work/"
cp -r "$top/resources/sample/CodeData" "$work/"

display=120
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1280x760x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
QT_QPA_PLATFORM=xcb "$work/Quillery" &
pids+=($!)

main=$(xdotool search --sync --onlyvisible --name '^Quillery1.0  By Tamberlo$' | head -1)
sleep 0.5
left=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { print $4 }')
top_edge=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ { print $4 }')
xdotool mousemove $((left + 30)) $((top_edge + 48)) click 1
sleep 0.3
xdotool key Right Down
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "wrote $out"
