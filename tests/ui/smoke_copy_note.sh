#!/usr/bin/env bash
# Starts the real executable in a real X server with a store of one note,
# selects the note and copies it as a person would, compares the clipboard
# with the note's text, then ends the program with Esc.
# Usage: smoke_copy_note.sh <Quillery executable> <engine module>
set -euo pipefail
source "$(dirname "$0")/../../scripts/x-session.sh"

fail() {
    echo "smoke test: $*" >&2
    exit 1
}

work=$(mktemp -d)
x_cleanup_dirs+=("$work")
cp "$1" "$2" "$work/"
mkdir -p "$work/CodeData/C"
printf 'int main()\r\n{\r\n    return 0; // 你好\r\n}' | iconv -f UTF-8 -t GBK >"$work/CodeData/C/hello.txt"

x_session_start 1280x800
x_start_program "$work/Quillery"
main=$(x_window_named 'Quillery1.0  By Tamberlo') || fail "the main window did not open"
sleep 0.5
x_client_origin "$main"

# The tree begins at 3, 38 of the client area; the toolbar's buttons, 23
# wide, begin at 4, 4, with a separator 8 wide after the third.
toolbar_button() {
    local x=$((4 + 23 * $1 + 11))
    [ "$1" -gt 3 ] && x=$((x - 23 + 8))
    x_click_at "$x" 15
}

# The category, opened, then its note.
x_click_at 30 48
xdotool key Right Down
sleep 0.5
toolbar_button 5

box=$(x_window_named '信息：') || fail "no message after the copy"
xdotool windowactivate --sync "$box" key Return
sleep 0.3

expected=$(iconv -f GBK -t UTF-8 "$work/CodeData/C/hello.txt")
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
[ "$copied" = "$expected" ] || fail "the clipboard holds '$copied', not the note's text"

xdotool windowactivate --sync "$main" key Escape
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "Esc did not end the program"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "smoke test passed"
