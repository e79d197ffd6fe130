#!/usr/bin/env bash
# Every C++ source and header is laid out as .clang-format says.
# Usage: format_check.sh <source directory>
set -euo pipefail
cd "$1"
if ! command -v clang-format > /dev/null; then
    echo "FAILED: needs clang-format (scripts/deps.sh test installs it)"
    exit 1
fi
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    files=$(git ls-files '*.cpp' '*.h')
else
    files=$(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
# shellcheck disable=SC2086 # one argument a file; no names hold spaces
clang-format --dry-run -Werror $files
echo "$(wc -w <<< "$files") files formatted as .clang-format says"
