#!/usr/bin/env bash
# Takes the README's pictures of the real, skinned program in Xvfb, with the
# sample store: docs/main-window.png (right after start),
# docs/main-window-note.png (its first note shown),
# docs/message-box.png (the add-note window's answer to a save without a
# category) and docs/add-note-window.png (a note being added). Run after a
# build; the pictures go to the folder given, docs/ when none is.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
command -v import >/dev/null || { echo "screenshot.sh needs ImageMagick: apt-get install imagemagick" >&2; exit 1; }
source "$top/scripts/x-session.sh"
out=${1:-$top/docs}
mkdir -p "$out"

work=$(mktemp -d)
x_cleanup_dirs+=("$work")
cp "$top/build/bin/Quillery" "$top/build/bin/libSciLexer.so" "$work/"
cp -r "$top/resources/sample/CodeData" "$work/"

x_session_start 1280x760
x_start_program "$work/Quillery"
main=$(x_window_named 'Quillery1.0  By Tamberlo')
sleep 0.5
x_client_origin "$main"
x_window_shot "$main" "$out/main-window.png"
x_click_at 30 48
xdotool key Right Down
sleep 0.5
x_window_shot "$main" "$out/main-window-note.png"

# The toolbar's second button opens the add-note window.
x_click_at 38 15
adding=$(x_window_named '添加笔记')
sleep 0.5
x_client_origin "$adding"
x_click_at 351 41
box=$(x_window_named '信息：')
sleep 0.5
x_window_shot "$adding" "$out/message-box.png"
xdotool windowactivate --sync "$box" key Return
sleep 0.3

x_click_at 236 16
xdotool key Down Return
x_click_at 236 41
xdotool type --delay 20 'swap'
x_click_at 300 200
xdotool type --delay 5 '/* Swaps two ints through their addresses. */'
xdotool key Return
xdotool type --delay 5 'void swap(int *a, int *b)'
xdotool key Return
xdotool type --delay 5 '{'
xdotool key Return
xdotool type --delay 5 '    int t = *a; *a = *b; *b = t;'
xdotool key Return
xdotool type --delay 5 '}'
x_click_at 236 41
sleep 0.5
x_window_shot "$adding" "$out/add-note-window.png"
xdotool key Escape
sleep 0.3
xdotool windowactivate --sync "$main" key Escape
wait "$program_pid"
echo "wrote $out/main-window.png, $out/main-window-note.png, $out/message-box.png and $out/add-note-window.png"
