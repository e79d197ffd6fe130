#!/usr/bin/env bash
# Builds Lumet with warnings as errors and the address and undefined-behaviour
# sanitizers, builds the Debian package, then runs every test; last, the Windows
# build and its tests under Wine. The network tests and the package test need root
# (CI runs as root).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cmake --preset test
cmake --build --preset test --parallel "$(nproc)"
scripts/package.sh
ctest --preset test --parallel "$(nproc)"
scripts/windows.sh
