#!/usr/bin/env bash
# Builds Lumet and starts its window. It runs in build/release/run, which holds the
# help file and the server list the program opens from its current directory.
# With arguments it runs the command-line companion instead: scripts/run.sh probe
# --count 4 127.0.0.1
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
if [ ! -f build/release/build.ninja ]; then
    echo "Building Lumet: the first build takes a few minutes, later starts only seconds." >&2
fi
cmake --preset release > /dev/null
if [ $# -gt 0 ]; then
    cmake --build --preset release --parallel "$(nproc)" --target lumet-cli
    exec build/release/tools/lumet-cli/lumet-cli "$@"
fi
cmake --build --preset release --parallel "$(nproc)" --target lumet
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Lumet is a window: start it from a graphical session (DISPLAY is not set)." >&2
    echo "Without one, try the command-line companion: scripts/run.sh probe 127.0.0.1" >&2
    exit 1
fi
mkdir -p build/release/run
cp res/lumet.hlp res/random.lst build/release/run/
cd build/release/run
exec ../ui/lumet
