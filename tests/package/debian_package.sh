#!/usr/bin/env bash
# The Debian package that scripts/package.sh built, installed and removed for real
# (as root): its dependencies come from dpkg-shlibdeps, lumet-cli probes from the
# installed path, the man pages open, the window started from / finds its help file
# and server list and makes the user's folder, and removing the package leaves none
# of its files. Inside a network namespace of the test's own; RND is never pressed.
# Usage: debian_package.sh <directory of the .deb>
set -euo pipefail
deb=$(find "${1:-}" -maxdepth 1 -name 'lumet_*.deb' 2> /dev/null | head -n 1)
if [ -z "$deb" ]; then
    echo "no package in ${1:-}: scripts/package.sh builds it"
    exit 77
fi
deb=$(realpath "$deb")
if [ "$(id -u)" -ne 0 ]; then
    echo "needs root to install a package"
    exit 77
fi
source "${BASH_SOURCE[0]%/*}/../support/test_namespace.sh"
enter_test_namespace "$0" "$@"

fail() { echo "FAILED: $*"; exit 1; }
if dpkg-query -W -f='${Status}' lumet 2> /dev/null | grep -q installed; then
    fail "a lumet package is installed already; this test would remove it"
fi
work=$(mktemp -d)
xvfb=
cleanup() {
    pkill -x lumet 2> /dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null
    dpkg --purge lumet > /dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

dpkg-deb -f "$deb" Depends | grep -q 'libqt6core6' || fail "Depends: $(dpkg-deb -f "$deb" Depends)"
[ "$(dpkg-deb -f "$deb" Recommends)" = xdg-utils ] || fail "Recommends"
dpkg -i "$deb" > "$work/dpkg.log" || fail "dpkg -i: $(cat "$work/dpkg.log")"

# lumet-cli and the man pages from the installed paths.
[ "$(command -v lumet-cli)" = /usr/bin/lumet-cli ] || fail "lumet-cli not on the path"
lumet-cli probe --count 2 127.0.0.1 > "$work/probe.out" || fail "probe: $(cat "$work/probe.out")"
[ "$(grep -c '^seq=[12] status=0 ' "$work/probe.out")" = 2 ] || fail "probe: $(cat "$work/probe.out")"
for page in lumet lumet-cli; do
    [ "$(man -w "$page")" = "/usr/share/man/man1/$page.1" ] || fail "man -w $page"
    MANWIDTH=80 man "$page" 2> /dev/null | grep -q '^FILES' || fail "man $page"
done

# The window, started from / as a desktop menu would, by a user with a home of
# their own.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
(cd / && exec lumet) > "$work/lumet.log" 2>&1 &
# Once the main thread waits in poll() with the window up, the start-up is over: a
# missing server list would have put up its warning by then.
started=no
for _ in $(seq 100); do
    pid=$(pgrep -x lumet) || true
    if [ -n "$pid" ] && xdotool search --name '^Ping$' > /dev/null 2>&1 &&
        grep -q poll "/proc/$pid/wchan" 2> /dev/null; then
        started=yes
        break
    fi
    sleep 0.1
done
[ "$started" = yes ] || fail "the window did not start: $(cat "$work/lumet.log")"
if xdotool search --name 'Lumet Warning' > /dev/null 2>&1; then
    fail "a warning at start-up: the server list was not found"
fi
[ -d "$HOME/Documents/Lumet" ] || fail "the user's folder was not made"
[ "$(readlink "/proc/$pid/cwd")" = "$HOME/Documents/Lumet" ] || fail "not working in the user's folder"
# The help button (?, client 298, 13) opens the installed help file.
window=$(xdotool search --name '^Ping$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 298)) $((Y + 13))
xdotool mousemove $((X + 299)) $((Y + 13)) click 1
helped=no
for _ in $(seq 50); do
    xdotool search --name '^Lumet Help$' > /dev/null 2>&1 && { helped=yes; break; }
    sleep 0.1
done
[ "$helped" = yes ] || fail "the help did not open"
pkill -x lumet

# Removing the package leaves none of its files.
files=$(dpkg-query -L lumet)
dpkg --purge lumet > "$work/dpkg.log" || fail "dpkg --purge: $(cat "$work/dpkg.log")"
while read -r path; do
    [ -f "$path" ] && fail "$path is left after removal"
done <<< "$files"
[ ! -e /usr/share/lumet ] || fail "/usr/share/lumet is left after removal"
echo "Debian package: all passed"
