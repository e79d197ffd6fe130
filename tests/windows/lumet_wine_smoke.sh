#!/usr/bin/env bash
# Runs lumet.exe under Wine as a person would: it opens its 360 x 116 window titled
# "Ping"; a click on RUN tests 127.0.0.1 twice and the title ends at "2 Ping"; QT
# ends the program with 0 and leaves the settings in the registry. The last screen
# is kept as <output folder>/wine-final.png for comparing with the Linux window.
# Needs DISPLAY (an X server of its own) and WINEPREFIX.
# Usage: lumet_wine_smoke.sh <lumet.exe> <output folder>
set -euo pipefail

program=$1
output=$2
key='HKCU\Software\Orbisk\lumet\1.0'
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -n "${DISPLAY:-}" ] || fail "no DISPLAY"

work=$(mktemp -d)
lumet_pid=
cleanup() {
    [ -n "$lumet_pid" ] && kill "$lumet_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

wine reg delete "$key" /f >/dev/null 2>&1 || true
for setting in PingCount:2 PingInterval:1 LeftPos:0 TopPos:0; do
    wine reg add "$key" /v "${setting%%:*}" /t REG_DWORD /d "${setting##*:}" /f >/dev/null
done
wine reg add "$key" /v LastIPAddr /t REG_SZ /d 127.0.0.1 /f >/dev/null

cd "$work"
# The program reads its server list at start and says so when it is missing; this
# one names only the loopback address.
printf '127.0.0.1\n' > random.lst
wine "$program" &
lumet_pid=$!

window=
for _ in $(seq 300); do
    window=$(xdotool search --name '^Ping$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled Ping"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 360x116 ] || fail "window of $geometry"
position=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p')
left=${position%,*}
top=${position#*,}

# The buttons light up under the pointer first, as they would for a hand on a mouse.
click() {
    xdotool mousemove $((left + $1 - 20)) $((top + $2 + 20))
    sleep 0.1
    xdotool mousemove $((left + $1)) $((top + $2))
    sleep 0.3
    xdotool mousedown 1
    sleep 0.1
    xdotool mouseup 1
}

# The buttons appear with the start-up's deferred paint, after the window maps.
sleep 3
click 346 40 # RUN
title=
for _ in $(seq 600); do
    title=$(xdotool getwindowname "$window" 2>/dev/null || true)
    [ "$title" = "2 Ping" ] && break
    sleep 0.1
done
[ "$title" = "2 Ping" ] || {
    import -window root -crop "360x116+$left+$top" +repage "$output/wine-failed.png"
    fail "title after the run: '$title'"
}
# The run ends one tick after its last probe; the mouse moved away stops the blink.
sleep 2
xdotool mousemove $((left + 200)) $((top + 20))
sleep 0.5
import -window root -crop "360x116+$left+$top" +repage "$output/wine-final.png"

click 343 13 # QT
status=0
wait "$lumet_pid" || status=$?
lumet_pid=
[ "$status" = 0 ] || fail "exit status $status"

profile=$(wine reg query "$key" | tr -d '\r')
echo "$profile"
grep -Eq 'PingCount +REG_DWORD +0x2$' <<<"$profile" || fail "PingCount not saved"
grep -Eq 'LastIPAddr +REG_SZ +127\.0\.0\.1$' <<<"$profile" || fail "LastIPAddr not saved"
grep -Eq "LeftPos +REG_DWORD +0x0$" <<<"$profile" || fail "LeftPos not saved"
echo "passed"
