#!/usr/bin/env bash
# The window's processor time per probe over a run, summed over its threads from
# /proc/<pid>/task/*/schedstat (nanoseconds, where /proc/<pid>/stat counts ticks): the
# program runs under Xvfb in a network namespace of its own, a click on RUN starts
# PROBES probes (default 100, one a second) against 127.0.0.1, and the time from the
# click to the end of the run is divided by the number of probes. Run as root:
#   bench/window_cpu.sh build/bench/ui/lumet [PROBES]
# When the build also has paint_floor_bench, it runs next, on the same display: what a
# bare Qt window with the same screen traffic costs on this machine.
set -euo pipefail
lumet=$(realpath "$1")
probes=${2:-100}
source "$(dirname "$0")/../tests/support/test_namespace.sh"
enter_test_namespace "$0" "$@"

work=$(mktemp -d)
trap 'kill "${pid:-}" "${xvfb:-}" 2> /dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Orbisk" "$work/run" && mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[1.0]\nPingCount=%s\nPingInterval=1\nLastIPAddr=127.0.0.1\nLeftPos=0\nTopPos=0\n' \
    "$probes" > "$XDG_CONFIG_HOME/Orbisk/lumet.conf"
printf '127.0.0.1\n' > "$work/run/random.lst"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
(cd "$work/run" && exec "$lumet") &
pid=$!
for _ in $(seq 100); do xdotool search --name '^Ping$' > /dev/null 2>&1 && break; sleep 0.1; done
sleep 1
# Threads that ended during the run are missed; the window's threads live as long as it.
cpu_ns() { cat /proc/"$pid"/task/*/schedstat | awk '{ sum += $1 } END { print sum }'; }
xdotool mousemove 346 40 click 1
xdotool mousemove 700 500 # off the window
before=$(cpu_ns)
for _ in $(seq $((probes * 12))); do
    [ "$(xdotool search --name "^$probes Ping\$" 2> /dev/null)" ] && break
    sleep 0.1
done
after=$(cpu_ns)
awk -v t=$((after - before)) -v n="$probes" \
    'BEGIN { printf "window processor time: %.2f ms per probe over %d probes\n", t / 1e6 / n, n }'
floor="$(dirname "$lumet")/../bench/paint_floor_bench"
if [ -x "$floor" ]; then
    kill "$pid" 2> /dev/null || true
    "$floor" --no-paint
    "$floor"
fi
