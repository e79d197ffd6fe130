#!/usr/bin/env bash
# Builds Lumet with warnings as errors and the address and undefined-behaviour
# sanitizers, builds the Debian package, then runs every test. The network tests and
# the package test need root (CI runs as root).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DLUMET_WERROR=ON -DLUMET_SANITIZE=ON -DLUMET_BUILD_BENCH=ON
cmake --build build/test --parallel "$(nproc)"
scripts/package.sh
ctest --test-dir build/test --output-on-failure --parallel "$(nproc)" --timeout 600
