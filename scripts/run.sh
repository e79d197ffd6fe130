#!/usr/bin/env bash
# Builds Lumet and runs it. Arguments go to the program; without any, it probes
# this machine's loopback address four times.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLUMET_BUILD_TESTS=OFF -DLUMET_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --parallel "$(nproc)" --target lumet-cli
if [ $# -eq 0 ]; then
    set -- probe --count 4 127.0.0.1
fi
exec build/release/tools/lumet-cli/lumet-cli "$@"
