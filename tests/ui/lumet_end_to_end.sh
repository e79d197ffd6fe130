#!/usr/bin/env bash
# Runs the real program as a person would (see end_to_end_session.sh): a click on RUN
# tests 127.0.0.1 four times; the scale must end with the bar and pointer of a loopback
# run, the status line with READY and the count 004; QT must end the program with 0
# and leave the settings saved; a second start ends with Escape, which saves the
# window's new position.
# Usage: lumet_end_to_end.sh <lumet> <resource directory>
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/end_to_end_session.sh"
session_enter "$@"
session_profile PingCount=4 PingInterval=1 LastIPAddr=127.0.0.1 LeftPos=0 TopPos=0
session_start_x

start_lumet
[ "$(xdotool getwindowname "$window")" = Ping ] || fail "title before the run"
shot before

click 346 40 # RUN
wait_for_title "4 Ping" 300
# The run ends one tick after its last probe with the final scale and the blinking
# average pointer, red and dark red in turn.
wait_for_blink
marker=$(pixel blink 8 33)
[ "$marker" = "$RED" ] || [ "$marker" = "$DARK_RED" ] || fail "blinking pointer at (8, 33): $marker"
# The first move over the window ends the blinking and leaves the red picture.
point_at 200 20
shot after

upper=$(differing before after 6 30 320 24)
lower=$(differing before after 6 56 320 54)
echo "changed pixels: upper band $upper, lower band $lower"
[ "${upper%% *}" -gt 0 ] 2> /dev/null || fail "the scale band did not change"
[ "${lower%% *}" -gt 0 ] 2> /dev/null || fail "the status line and graph did not change"

# Loopback replies take 0 ms (anything under 8 ms maps to the same columns), and none
# is lost. The final outline would span scale columns 3 up to the minimum's column
# and the band the minimum to the maximum: both are empty, and with no loss there is
# no red penalty bar, so rows 8-23 of the scale (client 38-53) are the bare skin, the
# top left corner of a bar (client 9, 38) included.
[ "$(differing before after 6 38 320 16)" = 0 ] || fail "a bar is left in the scale"
# The markers: minimum, average and maximum fall together at the left end, which
# leaves only the red average pointer, around client column 7; nothing changes right
# of column 11 (no green minimum or orange maximum flag).
[ "$(differing before after 12 30 314 8)" = 0 ] || fail "a marker right of the average pointer"
[ "$(pixel before 8 31)" = "$BLACK" ] || fail "skin at (8, 31) before the run"
[ "$(pixel after 8 31)" = "$LIGHT_CYAN" ] || fail "pointer outline at (8, 31): $(pixel after 8 31)"
[ "$(pixel after 8 33)" = "$RED" ] || fail "pointer fill at (8, 33): $(pixel after 8 33)"

# The status line (client rows 56-66): READY, the caption bitmap 167 copied unchanged
# to client (9, 57); the count right-aligned in orange, ending at lower display column
# 318 (client 324), so its three digits lie within client columns 302-323.
convert "$bitmaps/167.bmp" -crop 155x10+0+0 +repage "$work/ready.png"
convert "$work/after.png" -crop "155x10+$((left + 9))+$((top + 57))" +repage "$work/caption.png"
[ "$(compare -metric AE "$work/ready.png" "$work/caption.png" null: 2>&1)" = 0 ] ||
    fail "the status line does not show READY"
[ "$(count_colour before 302 56 22 11 "$ORANGE")" = 0 ] || fail "a count before the run"
count_ink=$(count_colour after 302 56 22 11 "$ORANGE")
echo "orange pixels of the count: $count_ink"
[ "$count_ink" -ge 20 ] || fail "no count in the status line"
[ "$(count_colour after 324 56 2 11 "$ORANGE")" = 0 ] || fail "the count reaches past its field"

click 343 13 # QT
wait_for_exit
grep -q '^PingCount=4$' "$profile" || fail "PingCount saved"
grep -q '^LastIPAddr=127.0.0.1$' "$profile" || fail "LastIPAddr saved"
grep -q "^LeftPos=$left$" "$profile" || fail "LeftPos saved"
grep -q '^TimeOut=1000$' "$profile" || fail "TimeOut saved"

# Escape ends the program through Cancel, which saves as QT does.
start_lumet
xdotool windowmove "$window" 120 90
sleep 0.5
xdotool windowfocus "$window" 2> /dev/null || true
xdotool mousemove 200 150 key Escape
wait_for_exit
grep -q '^LeftPos=120$' "$profile" || fail "LeftPos after Escape: $(grep Pos "$profile")"
grep -q '^TopPos=90$' "$profile" || fail "TopPos after Escape"
echo "passed"
