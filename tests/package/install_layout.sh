#!/usr/bin/env bash
# `cmake --install` of this build into a prefix of the test's own: every file lands
# where a desktop, man and the programs look for it, the desktop entry and the
# AppStream metadata pass their validators, the man pages render without warnings,
# and the installed lumet-cli finds its picture module. Probes go to 127.0.0.1 in a
# network namespace of the test's own.
# Usage: install_layout.sh <build directory>
set -euo pipefail
build=$(realpath "$1")
source "${BASH_SOURCE[0]%/*}/../support/test_namespace.sh"
enter_test_namespace "$0" "$@"

fail() { echo "FAILED: $*"; exit 1; }
for tool in appstreamcli desktop-file-validate man; do
    command -v "$tool" > /dev/null || fail "needs $tool (scripts/deps.sh test installs it)"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.log"

id=com.orbisk.Lumet
libdir=$(grep -o 'lib[^ ]*/lumet/lumet-cli-picture.so' "$work/install.log" | head -n 1)
for file in bin/lumet bin/lumet-cli "$libdir" share/lumet/lumet.hlp share/lumet/random.lst \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    share/man/man1/lumet.1 share/man/man1/lumet-cli.1 share/doc/lumet/README.Debian; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || fail "no ${size}px icon"
    # The PNG header holds width and height at bytes 16-23.
    [ "$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')" = "$size $size" ] ||
        fail "the ${size}px icon has another size"
done
grep -q "^Icon=$id$" "$prefix/share/applications/$id.desktop" || fail "the entry names another icon"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo"
for page in lumet lumet-cli; do
    warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 > /dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done

# The installed lumet-cli draws its report picture with the installed module.
mkdir "$work/run" && cd "$work/run"
XDG_CONFIG_HOME="$work/config" "$prefix/bin/lumet-cli" run --count 1 127.0.0.1 > run.out ||
    fail "installed lumet-cli: $(cat run.out)"
[ -f _report.txt ] && [ -f _report.bmp ] || fail "installed lumet-cli wrote no picture"
echo "install layout: all passed"
