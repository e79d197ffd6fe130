#!/usr/bin/env bash
# What one probe costs from start to exit: `lumet-cli probe --count 1 127.0.0.1`
# against `ping -c 1 127.0.0.1`, each run RUNS times (default 50) in a network
# namespace of its own. Prints the mean processor time (user + system) and the
# largest resident set of each, and the ratios. Needs /usr/bin/time (package
# time). Run as root:
#   bench/probe_startup.sh build/bench/tools/lumet-cli/lumet-cli [RUNS]
set -euo pipefail
cli=$(realpath "$1")
runs=${2:-50}
command -v /usr/bin/time > /dev/null || { echo "needs /usr/bin/time (apt-get install time)"; exit 1; }
source "$(dirname "$0")/../tests/support/test_namespace.sh"
enter_test_namespace "$0" "$@"
# Both programs then use a ping socket, the cheaper kind.
sysctl -qw net.ipv4.ping_group_range="0 2147483647"

# Prints "<mean CPU ms> <max RSS KiB>" of the command over the runs. The shell's
# `times` sums its children's processor time in milliseconds, finer than the 10 ms
# steps /usr/bin/time prints; /usr/bin/time gives each run's largest resident set.
measure() {
    local peak=0 rss children
    for _ in $(seq "$runs"); do
        rss=$(/usr/bin/time -f '%M' "$@" 2>&1 > /dev/null | tail -n 1)
        [ "$rss" -gt "$peak" ] && peak=$rss
    done
    children=$( (for _ in $(seq "$runs"); do "$@" > /dev/null 2>&1; done; times) | tail -n 1)
    awk -v t="$children" -v n="$runs" -v p="$peak" 'BEGIN {
        split(t, f, /[ ms]+/)  # "0m0.120s 0m0.080s": minutes, seconds, minutes, seconds
        printf "%.2f %d\n", ((f[1] + f[3]) * 60 + f[2] + f[4]) * 1000 / n, p }'
}

read -r ping_cpu ping_rss <<< "$(measure ping -c 1 -q 127.0.0.1)"
read -r cli_cpu cli_rss <<< "$(measure "$cli" probe --count 1 127.0.0.1)"
printf '%-10s %8s %10s\n' program "CPU ms" "max RSS KiB"
printf '%-10s %8s %10s\n' ping "$ping_cpu" "$ping_rss" lumet-cli "$cli_cpu" "$cli_rss"
awk -v a="$cli_cpu" -v b="$ping_cpu" -v c="$cli_rss" -v d="$ping_rss" \
    'BEGIN { printf "lumet-cli / ping: CPU %.1fx, memory %.1fx\n", (b > 0 ? a / b : 0), c / d }'
echo "shared libraries lumet-cli loads: $(ldd "$cli" | wc -l)"
