#!/usr/bin/env bash
# The artwork in res/ is what the generator draws, byte for byte: a hand edit of a
# bitmap, or a change to the generator not carried into res/, fails here.
# Usage: artwork_check.sh <lumet-artgen> <res directory>
set -euo pipefail
artgen=$(realpath "$1")
res=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$artgen" --out "$work/res" > /dev/null
# Written by hand, not by the generator.
handmade='^Only in '"$res"': (CMakeLists.txt|EmbeddedFile.h|Resources.cpp|Resources.h|ResourceIds.h|lumet.hlp|random.lst)$'
differences=$(diff -rq "$work/res" "$res" | grep -Ev "$handmade" || true)
if [ -n "$differences" ]; then
    echo "FAILED: res/ is not what the artwork generator draws"
    echo "$differences"
    echo "regenerate with: cmake --build <build dir> --target lumet-art"
    exit 1
fi
echo "res/ matches the generator: $(find "$work/res" -type f | wc -l) files"
