#!/usr/bin/env bash
# The logic and drawing layers name no Qt type and include no Qt header of their
# own, so they can be built on a system without Qt once the platform layer offers
# a backend there. Each argument after the source root is one such folder.
# Usage: qt_free_layers.sh <source root> <folder>...
set -uo pipefail

root=$1
shift
failures=0
for folder in "$@"; do
    found=$(grep -nE '#include <Q|\bQ[A-Z][A-Za-z]+\b|\bq(Red|Green|Blue|Gray|Rgb)\(' \
        "$root/$folder"/*.h "$root/$folder"/*.cpp 2>/dev/null | grep -vE '^[^:]+:[0-9]+:\s*//')
    if [ -n "$found" ]; then
        echo "FAIL $folder uses Qt:"
        echo "$found" | head -5
        failures=$((failures + 1))
    else
        echo "ok   $folder"
    fi
done
exit $((failures > 0))
