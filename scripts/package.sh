#!/usr/bin/env bash
# Builds the Debian package: build/package/lumet_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh package
cmake --preset package > /dev/null
cmake --build --preset package --parallel "$(nproc)"
cpack --preset package > /dev/null
ls build/package/lumet_*.deb
