#!/usr/bin/env bash
# Lumet's echo and iputils ping at the same pacing (one probe every 10 ms, 100
# probes to 127.0.0.1), one right after the other, three rounds in turn so that
# both see the same machine. Run as root, from the repository root, after
#   cmake --build build/bench --target icmp_bench
set -euo pipefail
bench=${1:-build/bench/bench/icmp_bench}
for round in 1 2 3; do
    # The CSV's last columns are the counters: cpu_per_probe_us, rtt_median_us, rtt_p99_us.
    lumet=$("$bench" --benchmark_filter='BM_EchoLoopbackPaced' --benchmark_format=csv 2> /dev/null |
        awk -F, '/BM_EchoLoopbackPaced/ { print $(NF - 1) }')
    # ping's own per-probe times (microsecond resolution), their median.
    ping=$(ping -c 100 -i 0.01 127.0.0.1 | sed -n 's/.*time=\([0-9.]*\) ms.*/\1/p' | sort -n |
        awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] * 1000 }')
    echo "round $round: round-trip median: lumet ${lumet} us, ping ${ping} us"
done
