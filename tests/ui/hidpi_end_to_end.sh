#!/usr/bin/env bash
# The window on a high-density screen (see end_to_end_session.sh). At QT_SCALE_FACTOR
# 2, and at 1.6, which the program rounds to 2, the window is 720 × 232 and its caption
# strip is the skin with every pixel a crisp 2 × 2 square; a click on RUN at its scaled
# place runs a test whose average pointer blinks at its scaled place; a drag moves the
# window by exactly the distance the pointer went; REP opens the report panel to 832
# rows; QT ends the program.
# Usage: hidpi_end_to_end.sh <lumet> <resource directory>
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/end_to_end_session.sh"
session_enter "$@"
session_profile PingCount=2 PingInterval=1 LastIPAddr=127.0.0.1 LeftPos=0 TopPos=0
session_start_x 1024x900
scale=2

geometry() { # sets X, Y, WIDTH and HEIGHT of the window
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

for factor in 2 1.6; do
    export QT_SCALE_FACTOR=$factor
    start_lumet # compares the caption strip with the skin scaled by whole pixels
    geometry
    [ "${WIDTH}x$HEIGHT" = 720x232 ] || fail "factor $factor: a window of ${WIDTH}x$HEIGHT"

    click 346 40 # RUN
    wait_for_title "2 Ping" 200
    wait_for_blink
    point_at 200 20

    # The caption strip drags the window; a pointer that goes 40 × 30 screen pixels
    # takes the window just as far, whatever the scale.
    xdotool mousemove $((left + 100)) $((top + 10)) mousedown 1
    sleep 0.2
    xdotool mousemove $((left + 120)) $((top + 25))
    sleep 0.2
    xdotool mousemove $((left + 140)) $((top + 40))
    sleep 0.2
    xdotool mouseup 1
    # The move lands when the program gets to it, later on a loaded machine.
    for _ in $(seq 50); do
        geometry
        [ "$X,$Y" = "$((left + 40)),$((top + 30))" ] && break
        sleep 0.1
    done
    [ "$X,$Y" = "$((left + 40)),$((top + 30))" ] ||
        fail "factor $factor: dragged to $X,$Y instead of $((left + 40)),$((top + 30))"
    left=$X
    top=$Y

    click 346 96 # REP
    for _ in $(seq 100); do
        geometry
        [ "$HEIGHT" = 832 ] && break
        sleep 0.1
    done
    [ "${WIDTH}x$HEIGHT" = 720x832 ] || fail "factor $factor: with the report panel ${WIDTH}x$HEIGHT"

    click 343 13 # QT
    wait_for_exit
    session_profile PingCount=2 PingInterval=1 LastIPAddr=127.0.0.1 LeftPos=0 TopPos=0
done
echo "high-density screen: all passed"
