#!/usr/bin/env bash
# Runs the Linux program and the Windows one (under Wine) the same way on a private
# X server: both start with the same settings, are shot idle, run two probes of
# 127.0.0.1 with RUN and are shot again once the run has ended. Prints, for each
# pair of shots, the differing pixels grouped into regions with a sample of each.
# Needs the two builds: build/release (scripts/run.sh) or build/test, and
# build/windows (scripts/windows.sh). The shots are left in build/compare.
# Usage: scripts/compare-windows-display.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

linux_program=build/release/ui/lumet
[ -x "$linux_program" ] || linux_program=build/test/ui/lumet
windows_program=build/windows/ui/lumet.exe
for program in "$linux_program" "$windows_program"; do
    [ -e "$program" ] || { echo "compare: $program is not built" >&2; exit 1; }
done
out=$root/build/compare
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
export WINEPREFIX=$root/build/windows/wine WINEDEBUG=-all

# Runs one program to the end of a two-probe run; $1 names the shots, the rest
# starts the program in the current directory.
shoot() {
    local name=$1
    shift
    "$@" >/dev/null 2>&1 &
    local pid=$!
    pids+=("$pid")
    local window=
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Ping$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "compare: $name opened no window" >&2; exit 1; }
    sleep 3
    xdotool mousemove 200 20
    sleep 0.5
    import -window root -crop 360x116+0+0 +repage "$out/$name-idle.png"
    press() {
        xdotool mousemove $(($1 - 20)) $(($2 + 20))
        sleep 0.1
        xdotool mousemove "$1" "$2"
        sleep 0.3
        xdotool mousedown 1
        sleep 0.1
        xdotool mouseup 1
    }
    press 346 40 # RUN
    for _ in $(seq 600); do
        [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "2 Ping" ] && break
        sleep 0.1
    done
    sleep 2
    xdotool mousemove 200 20
    sleep 0.5
    import -window root -crop 360x116+0+0 +repage "$out/$name-final.png"
    press 343 13 # QT
    wait "$pid" || true
}

# The same settings and server list for both; the list names only 127.0.0.1.
mkdir -p "$work/linux/config/Orbisk" "$work/windows"
printf '127.0.0.1\n' | tee "$work/linux/random.lst" >"$work/windows/random.lst"
printf '[1.0]\nPingCount=2\nPingInterval=1\nLastIPAddr=127.0.0.1\nLeftPos=0\nTopPos=0\n' \
    >"$work/linux/config/Orbisk/lumet.conf"
key='HKCU\Software\Orbisk\lumet\1.0'
wine reg delete "$key" /f >/dev/null 2>&1 || true
for setting in PingCount:2 PingInterval:1 LeftPos:0 TopPos:0; do
    wine reg add "$key" /v "${setting%%:*}" /t REG_DWORD /d "${setting##*:}" /f >/dev/null
done
wine reg add "$key" /v LastIPAddr /t REG_SZ /d 127.0.0.1 /f >/dev/null

(cd "$work/linux" && XDG_CONFIG_HOME=$work/linux/config shoot linux "$root/$linux_program")
(cd "$work/windows" && shoot windows wine "$root/$windows_program")

# Lists the differing pixels of two shots, grouped by 8 x 8 cell.
differences() {
    paste -d ' ' <(convert "$1" -depth 8 txt:- | tail -n +2) \
        <(convert "$2" -depth 8 txt:- | tail -n +2) |
        awk '{ split($1, at, /[,:]/); if ($3 != $7) {
                 cell = int(at[1] / 8) * 8 "," int(at[2] / 8) * 8
                 count[cell]++; if (!(cell in sample)) sample[cell] = at[1] "," at[2] " linux " $3 " windows " $7 }
             } END { for (cell in count) print "cell " cell ": " count[cell] " pixels, e.g. " sample[cell] }' |
        sort -t, -k2n -k1n
}
for state in idle final; do
    total=$(compare -metric AE "$out/linux-$state.png" "$out/windows-$state.png" \
        "$out/difference-$state.png" 2>&1 || true)
    echo "$state: $total differing pixels"
    differences "$out/linux-$state.png" "$out/windows-$state.png"
done
