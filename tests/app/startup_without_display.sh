#!/bin/sh
# Starts the real executable where no display can be opened: the platform's
# fatal error ends it at once with status 255 (-1).
executable=$1
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$executable" 2>/dev/null
status=$?
if [ "$status" -ne 255 ]; then
    echo "expected status 255, got $status"
    exit 1
fi
