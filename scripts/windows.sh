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
ctest --preset windows
