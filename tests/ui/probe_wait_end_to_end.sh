#!/usr/bin/env bash
# The window while a probe waits, tried as a person would (see end_to_end_session.sh):
# the namespace's own host ignores echo requests, so with TimeOut 5000 every probe
# waits five seconds. During the first wait the status line must already show the
# run, a window laid over Lumet and taken away again must leave Lumet's picture
# whole, and QT must end the program within half a second with the settings saved.
# Usage: probe_wait_end_to_end.sh <lumet> <resource directory>
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/end_to_end_session.sh"
session_enter "$@"
command -v display > /dev/null || { echo "needs display (imagemagick)"; exit 77; }
sysctl -qw net.ipv4.icmp_echo_ignore_all=1 || { echo "cannot silence the namespace's host"; exit 77; }
session_profile PingCount=4 PingInterval=1 TimeOut=5000 LastIPAddr=127.0.0.1 LeftPos=0 TopPos=0
session_start_x

start_lumet
shot before
click 346 40 # RUN
# The first tick, a third of a second in, sends the first probe; its answer cannot
# come before five seconds have passed.
wait_for_title "0 Ping" 30
started=$(date +%s%N)
xdotool mousemove 700 500 # off the window: no hover word changes the picture
sleep 0.5
shot waiting

# The status line before any answer: the RUN caption (picture 166) at client (9, 57)
# and the count's orange digits.
convert "$bitmaps/166.bmp" -crop 155x10+0+0 +repage "$work/run-caption.png"
convert "$work/waiting.png" -crop "155x10+$((left + 9))+$((top + 57))" +repage "$work/caption.png"
[ "$(compare -metric AE "$work/run-caption.png" "$work/caption.png" null: 2>&1)" = 0 ] ||
    fail "the status line does not show RUN while the first probe waits"
[ "$(count_colour waiting 302 56 22 11 "$ORANGE")" -gt 0 ] || fail "no count while the first probe waits"

# Another window over the display area, then gone: what it covered must be drawn
# again at once, not when the probe's wait ends.
display -geometry "200x60+$((left + 60))+$((top + 40))" "$bitmaps/129.bmp" &
cover_pid=$!
for _ in $(seq 20); do
    shot covered
    [ "$(differing waiting covered 0 0 360 116)" != 0 ] && break
    sleep 0.1
done
[ "$(differing waiting covered 0 0 360 116)" != 0 ] || fail "the covering window did not appear"
kill "$cover_pid"
wait "$cover_pid" 2> /dev/null || true
sleep 0.4
shot uncovered
[ "$(differing waiting uncovered 0 0 360 116)" = 0 ] ||
    fail "the uncovered area was not repainted during the wait"

point_at 343 13
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
[ "$elapsed_ms" -lt 4500 ] || fail "the checks took until the wait was nearly over ($elapsed_ms ms)"
clicked=$(date +%s%N)
xdotool click 1 # QT
# Gone for the user: the window off the screen and every setting written (the
# profile above lacks PacketSize until the program saves). The process itself then
# ends; a sanitizer build spends a while more on its leak check there.
for _ in $(seq 100); do
    if ! xdotool search --onlyvisible --name '^.*Ping$' > /dev/null 2>&1 &&
        grep -q '^PacketSize=' "$profile"; then
        break
    fi
    sleep 0.02
done
quit_ms=$((($(date +%s%N) - clicked) / 1000000))
wait_for_exit
exit_ms=$((($(date +%s%N) - clicked) / 1000000))
echo "QT during the wait: window gone and settings saved after $quit_ms ms, process ended after $exit_ms ms"
[ "$quit_ms" -lt 500 ] || fail "QT took $quit_ms ms"
grep -q '^TimeOut=5000$' "$profile" || fail "TimeOut saved"
grep -q '^LastIPAddr=127.0.0.1$' "$profile" || fail "LastIPAddr saved"
echo "passed"
