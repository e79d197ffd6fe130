#!/usr/bin/env bash
# Lumet's echo and iputils ping at the same pacing (one probe every 10 ms, 100
# probes to 127.0.0.1), one right after the other, three rounds in turn so that
# both see the same machine. Run as root, from the repository root, after
#   cmake --build build/bench --target icmp_bench
set -euo pipefail
bench=${1:-build/bench/bench/icmp_bench}
for round in 1 2 3; do
    lumet=$("$bench" --benchmark_filter='BM_EchoLoopbackPaced$' --benchmark_format=csv 2> /dev/null |
        awk -F, '/BM_EchoLoopbackPaced/ { print $(NF - 2) }')
    ping=$(ping -q -c 100 -i 0.01 127.0.0.1 | awk -F/ '/^rtt/ { print $5 * 1000 }')
    echo "round $round: lumet median ${lumet} us, ping average ${ping} us"
done
