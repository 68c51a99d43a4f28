#!/usr/bin/env bash
# Starts the real executable in a real X server twice. Where it may write, it
# replaces a stale library beside itself with the one it carries, byte for
# byte the one the build made. As a user who may not write its folder, with
# no library there or anywhere, it shows the fatal error, which is answered,
# and ends with status 255, writing nothing.
# Usage: smoke_skin.sh <Quillery executable> <engine module> <skin library the build made>
set -euo pipefail
source "$(dirname "$0")/../../scripts/x-session.sh"

fail() {
    echo "skin smoke test: $*" >&2
    exit 1
}

work=$(mktemp -d)
said=$(mktemp)
x_cleanup_dirs+=("$work" "$said")
cp "$1" "$2" "$work/"
printf 'a stale library' >"$work/libSkinH_EL.so"

x_session_start 1280x800
x_start_program "$work/Quillery"
main=$(x_window_named 'Quillery1.0  By Tamberlo') || fail "the main window did not open"
cmp -s "$work/libSkinH_EL.so" "$3" || fail "the library beside the program is not the one the build made"
xdotool windowactivate --sync "$main" key Escape
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the skinned program ended with status $status"

rm "$work/libSkinH_EL.so"
chmod 755 "$work"
setpriv --reuid=nobody --regid=nogroup --clear-groups env QT_QPA_PLATFORM=xcb HOME=/nonexistent \
    "$work/Quillery" 2>"$said" &
program_pid=$!
x_pids+=("$program_pid")
box=$(x_window_named 'Quillery') || fail "no fatal error was shown"
xdotool windowactivate --sync "$box" key Return
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 255 ] || fail "without a library the program ended with status $status, not 255"
grep -q 'SkinH_EL.dll' "$said" || fail "the fatal error did not name the library: $(cat "$said")"
[ ! -e "$work/libSkinH_EL.so" ] || fail "a library was written where the program may not write"
echo "skin smoke test passed"
