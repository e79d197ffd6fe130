#!/usr/bin/env bash
# Builds the zip a Windows user takes: lumet.exe, lumet-cli.exe, the help file,
# the server list and a read-me in one folder, cross-built with mingw-w64.
# Usage: scripts/windows-zip.sh     (writes build/windows/lumet-1.0-windows-x64.zip)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh windows
cmake --preset windows
cmake --build --preset windows --parallel "$(nproc)" --target lumet lumet-cli
(cd build/windows && cpack --config CPackConfig.cmake)

zip=build/windows/lumet-1.0-windows-x64.zip
listing=$(cmake -E tar tf "$zip")
for file in lumet.exe lumet-cli.exe lumet.hlp random.lst README.txt; do
    grep -qx "lumet-1.0-windows-x64/$file" <<<"$listing" || {
        echo "windows-zip: $file is missing from $zip" >&2
        exit 1
    }
done
echo "$zip"
