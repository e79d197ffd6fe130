#!/usr/bin/env bash
# Cross-builds Lumet's Windows build with mingw-w64 and runs its test suites under
# Wine. Wine keeps its state in a prefix inside the build tree, so nothing of the
# user's own Wine setup is read or changed.
# Usage: scripts/windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh windows
cmake --preset windows
cmake --build --preset windows --parallel "$(nproc)"

export WINEPREFIX="$PWD/build/windows/wine"
export WINEDEBUG=-all
# A console test needs no display; without one Wine never opens a window either.
unset DISPLAY WAYLAND_DISPLAY
# Windows ships Tahoma. Debian's Wine keeps its own copy (fonts-wine) where its
# font loader does not look, so the prefix gets it in its Fonts folder.
wineboot --init
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
    "$WINEPREFIX/drive_c/windows/Fonts/"
ctest --preset windows --label-exclude display

# The suites labelled "display" open real windows, which Wine shows through X: they
# get a private Xvfb server of their own.
display_number=90
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
    display_number=$((display_number + 1))
done
Xvfb ":$display_number" -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display_number" ] && break
    sleep 0.1
done
# Wine's desktop process belongs to the Wine server and keeps the display it started
# with: the display-less suites' server goes first.
wineserver --kill || true
wineserver --wait || true
DISPLAY=":$display_number" ctest --preset windows --label-regex display
wineserver --kill || true

# The zip a Windows user takes, so CI builds it too.
scripts/windows-zip.sh
