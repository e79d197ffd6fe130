#!/usr/bin/env bash
# Runs the real program as a person would, in an X server of its own (Xvfb) and in a
# network namespace of its own so that no probe can leave the machine: a click on RUN
# tests 127.0.0.1 four times, the display area must change, QT must end the program
# with 0 and leave the settings saved; a second start ends with Escape, which saves
# the window's new position.
# Usage: lumet_end_to_end.sh <lumet> <resource directory>
set -euo pipefail
lumet=$(realpath "$1")
resources=$(realpath "$2")

for tool in Xvfb xdotool import compare unshare; do
    if ! command -v "$tool" > /dev/null; then
        echo "needs $tool (packages xvfb, xdotool, imagemagick)"
        exit 77
    fi
done
if [ "${LUMET_IN_NAMESPACE:-}" != 1 ]; then
    if ! unshare --net true 2>/dev/null; then
        echo "needs root (CAP_SYS_ADMIN) to create a network namespace"
        exit 77
    fi
    exec env LUMET_IN_NAMESPACE=1 unshare --net "$0" "$@"
fi

ip link set lo up
work=$(mktemp -d)
xvfb_pid=
lumet_pid=
cleanup() {
    [ -n "$lumet_pid" ] && kill "$lumet_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

# The program's directory: the help file and a server list of our own (never the
# shipped one, whose hosts are on the Internet).
mkdir -p "$work/run" "$work/config/Orbisk"
cp "$resources/lumet.hlp" "$work/run/"
printf '127.0.0.1\n' > "$work/run/random.lst"
profile="$work/config/Orbisk/lumet.conf"
printf '[1.0]\nPingCount=4\nPingInterval=1\nLastIPAddr=127.0.0.1\nLeftPos=0\nTopPos=0\n' > "$profile"
export XDG_CONFIG_HOME="$work/config"
# Under the leak checker of a sanitizer build: the session bus library keeps an
# allocation of its own until the process ends.
printf 'leak:libdbus-1.so\n' > "$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export XDG_RUNTIME_DIR="$work/xdg-runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

start_lumet() {
    (cd "$work/run" && exec "$lumet") > "$work/lumet.log" 2>&1 &
    lumet_pid=$!
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --name '^Ping$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window named Ping"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    left=$X
    top=$Y
    # The deferred set-up and the first overlay come right after the first paint.
    sleep 1
}

# Pixels that differ between two screenshots inside a client rectangle.
differing() { # before after x y width height
    local area="$5x$6+$((left + $3))+$((top + $4))"
    convert "$1" -crop "$area" +repage "$work/crop-a.png"
    convert "$2" -crop "$area" +repage "$work/crop-b.png"
    compare -metric AE "$work/crop-a.png" "$work/crop-b.png" null: 2>&1 || true
}

click() { # client x y
    xdotool mousemove $((left + $1)) $((top + $2))
    sleep 0.2
    xdotool mousemove $((left + $1 + 1)) $((top + $2))
    sleep 0.2
    xdotool click 1
}

wait_for_exit() {
    for _ in $(seq 100); do kill -0 "$lumet_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$lumet_pid" 2>/dev/null && fail "the program did not end"
    status=0
    wait "$lumet_pid" || status=$?
    lumet_pid=
    [ "$status" = 0 ] || fail "exit code $status: $(cat "$work/lumet.log")"
}

start_lumet
[ "$(xdotool getwindowname "$window")" = Ping ] || fail "title before the run"
import -window root "$work/before.png"

click 346 40 # RUN
title=
for _ in $(seq 300); do
    title=$(xdotool getwindowname "$window")
    [ "$title" = "4 Ping" ] && break
    sleep 0.1
done
[ "$title" = "4 Ping" ] || fail "title after the run: '$title'"
# The run ends one tick after its last probe with the final scale bar and markers.
sleep 1
import -window root "$work/after.png"
upper=$(differing "$work/before.png" "$work/after.png" 6 30 320 24)
lower=$(differing "$work/before.png" "$work/after.png" 6 56 320 54)
echo "changed pixels: upper band $upper, lower band $lower"
[ "${upper%% *}" -gt 0 ] 2>/dev/null || fail "the scale band did not change"
[ "${lower%% *}" -gt 0 ] 2>/dev/null || fail "the status line and graph did not change"

click 343 13 # QT; the first move ends the marker blink
wait_for_exit
grep -q '^PingCount=4$' "$profile" || fail "PingCount saved"
grep -q '^LastIPAddr=127.0.0.1$' "$profile" || fail "LastIPAddr saved"
grep -q "^LeftPos=$left$" "$profile" || fail "LeftPos saved"
grep -q '^TimeOut=1000$' "$profile" || fail "TimeOut saved"

# Escape ends the program through Cancel, which saves as QT does.
start_lumet
xdotool windowmove "$window" 120 90
sleep 0.5
xdotool windowfocus "$window" 2>/dev/null || true
xdotool mousemove 200 150 key Escape
wait_for_exit
grep -q '^LeftPos=120$' "$profile" || fail "LeftPos after Escape: $(grep Pos "$profile")"
grep -q '^TopPos=90$' "$profile" || fail "TopPos after Escape"
echo "passed"
