#!/usr/bin/env bash
# Runs lumet-cli's test modes for real against 127.0.0.1, inside a network
# namespace of the test's own so that no lookup or probe can leave the machine.
# Usage: cli_end_to_end.sh <lumet-cli>
set -euo pipefail
cli=$(realpath "$1")

source "${BASH_SOURCE[0]%/*}/../support/test_namespace.sh"
enter_test_namespace "$0" "$@"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
cd "$work"

fail() { echo "FAILED: $*"; exit 1; }

# A run of three probes: a line each, the summary, and the report beside us.
"$cli" run --count 3 --timeout 1000 --save 127.0.0.1 > run.out
cat run.out
grep -q '^probing 127.0.0.1$' run.out || fail "run header"
for seq in 1 2 3; do
    grep -q "^seq=$seq status=0 time=0 ms ttl=64 bytes=8$" run.out || fail "run probe $seq"
done
grep -q '^rated PERFECT (97/100)$' run.out || fail "run rating"
grep -q "^report written to $work/_report.txt$" run.out || fail "report path"
head -c 14 _report.txt | cmp -s - <(printf 'LUMET REPORT\r\n') || fail "report start"
grep -q $'^PING SENT\t3\r$' _report.txt || fail "report count"
grep -q "^picture written to $work/_report.bmp$" run.out || fail "picture path"
[ "$(stat -c %s _report.bmp)" = 15422 ] || fail "picture size"
head -c 2 _report.bmp | cmp -s - <(printf 'BM') || fail "picture header"
grep -q 'PingCount=3' "$XDG_CONFIG_HOME/Orbisk/lumet.conf" || fail "--save kept the count"

# Without --save the profile stays as it is.
"$cli" run --count 1 127.0.0.1 > /dev/null
grep -q 'PingCount=3' "$XDG_CONFIG_HOME/Orbisk/lumet.conf" || fail "profile written without --save"

# A refused target sends nothing and says why.
if "$cli" run 10.0.0.x > refused.out 2> refused.err; then fail "refused target succeeded"; fi
grep -q "wrong address '10.0.0.x'" refused.err || fail "refused message"

# Stay-alive runs until Ctrl+C, then stops cleanly and reports its probes.
rm -f _report.txt
"$cli" stay --stay-interval 10 127.0.0.1 > stay.out &
pid=$!
for _ in $(seq 100); do grep -q '^seq=1 ' stay.out && break; sleep 0.1; done
kill -INT "$pid"
wait "$pid" || fail "stay exit code $?"
cat stay.out
grep -q '^seq=1 status=0' stay.out || fail "stay probe"
grep -q $'^PING SENT\t1\r$' _report.txt || fail "stay report"

# SIGTERM (timeout, service managers) and SIGHUP (a closed terminal) end a test as
# Ctrl+C does, report written, with the shell's status 128 + N.
for signal in TERM HUP; do
    rm -f _report.txt
    "$cli" stay --stay-interval 10 127.0.0.1 > "$signal.out" &
    pid=$!
    for _ in $(seq 100); do grep -q '^seq=1 ' "$signal.out" && break; sleep 0.1; done
    kill -"$signal" "$pid"
    status=0
    wait "$pid" || status=$?
    [ "$status" = $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal exit code $status"
    grep -q $'^PING SENT\t1\r$' _report.txt || fail "SIG$signal report"
done

# Ctrl+C during the random search stops it with 130, as it stops a run.
for i in $(seq 30); do echo "Refused$i.test"; done > refused.lst
"$cli" random --count 1 refused.lst > search.out 2>&1 &
pid=$!
for _ in $(seq 100); do grep -q 'trying' search.out && break; sleep 0.1; done
kill -INT "$pid"
status=0
wait "$pid" || status=$?
[ "$status" = 130 ] || fail "Ctrl+C during the random search exit code $status"

# Random mode drops the entry that cannot be a target and tests the live one.
printf 'Not.a.target\nlocalhost\n' > hosts.lst
"$cli" random --count 1 hosts.lst > random.out 2> random.err
cat random.out random.err
grep -q '^probing 127.0.0.1 (localhost)$' random.out || fail "random target"
grep -q '^seq=1 status=0' random.out || fail "random probe"
# Ctrl+C while a probe waits for a silent host acts at once, not at the probe's
# ten-second time-out, and the report of the answered probes is still written.
rm -f _report.txt
"$cli" run --count 3 --timeout 10000 127.0.0.1 > silent.out &
pid=$!
for _ in $(seq 100); do grep -q '^seq=1 ' silent.out && break; sleep 0.1; done
sysctl -qw net.ipv4.icmp_echo_ignore_all=1
sleep 1.5 # the second probe is out and cannot be answered
interrupted=$(date +%s%N)
kill -INT "$pid"
status=0
wait "$pid" || status=$?
took_ms=$((($(date +%s%N) - interrupted) / 1000000))
sysctl -qw net.ipv4.icmp_echo_ignore_all=0
cat silent.out
echo "Ctrl+C during a silent wait ended the run after $took_ms ms"
[ "$status" = 130 ] || fail "Ctrl+C exit code $status"
[ "$took_ms" -lt 2000 ] || fail "Ctrl+C waited for the probe ($took_ms ms)"
grep -q $'^PING SENT\t1\r$' _report.txt || fail "report of the answered probe"
# Help and the version go to stdout with status 0; a wrong option to stderr with 2.
for asked in "--help" "-h" "probe --help" "stay -h" "--version"; do
    # shellcheck disable=SC2086 # the words of each line are separate arguments
    "$cli" $asked > asked.out 2> asked.err || fail "'$asked' exit code $?"
    [ -s asked.out ] && [ ! -s asked.err ] || fail "'$asked' answered on stderr"
done
status=0
"$cli" probe --bogus 127.0.0.1 > bogus.out 2> bogus.err || status=$?
[ "$status" = 2 ] && [ ! -s bogus.out ] && grep -q bogus bogus.err || fail "wrong option: $status"

# A list that cannot be used is named with the reason, and nothing is probed.
mkfifo pipe.lst
for list in missing.lst pipe.lst /dev/zero; do
    status=0
    "$cli" random "$list" > list.out 2> list.err || status=$?
    [ "$status" = 2 ] || fail "list $list: exit code $status"
    grep -q "$list" list.err || fail "list $list not named: $(cat list.err)"
done

# JSON Lines: every stdout line one object, the summary agreeing with the report.
"$cli" run --count 2 --format json 127.0.0.1 > json.out
cat json.out
[ "$(wc -l < json.out)" = 6 ] || fail "json: target, 2 probes, summary, 2 reports"
grep -q '^{"address":"127.0.0.1","type":"target"}$' json.out || fail "json target"
[ "$(grep -c '"type":"probe"' json.out)" = 2 ] || fail "json probes"
grep -q '"returned":2,"score":97,"sent":2,"type":"summary","verdict":"PERFECT"}$' json.out ||
    fail "json summary"
echo "lumet-cli end-to-end: all passed"
