#!/usr/bin/env bash
# Takes a screenshot of the real window in Xvfb, with the sample store and
# its first note shown: docs/main-window.png. Run after a build.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/x-session.sh"
out=${1:-$top/docs/main-window.png}

work=$(mktemp -d)
x_cleanup_dirs+=("$work")
cp "$top/build/bin/Quillery" "$top/build/bin/libSciLexer.so" "$work/"
cp -r "$top/resources/sample/CodeData" "$work/"

x_session_start 1280x760 120
x_start_program "$work/Quillery"
main=$(x_window_named 'Quillery1.0  By Tamberlo')
sleep 0.5
x_client_origin "$main"
x_click_at 30 48
xdotool key Right Down
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "wrote $out"
