#!/usr/bin/env bash
# Builds the Debian package: build/package/lumet_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh package
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DLUMET_BUILD_TESTS=OFF -DLUMET_BUILD_BENCH=OFF > /dev/null
cmake --build build/package --parallel "$(nproc)" --target lumet lumet-cli lumet-cli-picture
(cd build/package && cpack > /dev/null)
ls build/package/lumet_*.deb
