#!/usr/bin/env bash
# Proves that the include roots enforce the layers: a library's code can include its
# own headers, and a header of a layer it does not link cannot be found.
# Usage: layer_includes.sh <c++ compiler> <row>...
# Each row is "colon-separated include dirs|library|own header|forbidden header|fault".
set -uo pipefail

compiler=$1
shift
failures=0

compile() { # <include dirs> <header>
    local flags=()
    IFS=: read -ra dirs <<< "$1"
    for dir in "${dirs[@]}"; do
        [ -n "$dir" ] && flags+=(-I "$dir")
    done
    printf '#include "%s"\n' "$2" |
        "$compiler" -std=c++20 -fsyntax-only -fPIC -x c++ "${flags[@]}" - 2>&1
}

for row in "$@"; do
    IFS="|" read -r dirs library own forbidden fault <<< "$row"
    if ! output=$(compile "$dirs" "$own"); then
        echo "FAIL $library cannot include its own $own:"
        echo "$output" | head -5
        failures=$((failures + 1))
        continue
    fi
    output=$(compile "$dirs" "$forbidden")
    if ! grep -q "$forbidden: No such file or directory" <<< "$output"; then
        echo "FAIL $library can include $forbidden ($fault)"
        echo "$output" | head -5
        failures=$((failures + 1))
    else
        echo "ok   $library cannot include $forbidden"
    fi
done
exit $((failures > 0))
