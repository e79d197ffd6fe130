#!/usr/bin/env bash
# An unprivileged user attacks copies of lumet-cli and lumet given CAP_NET_RAW with
# setcap: their own Qt plugin, named through the environment and the command line,
# tries to open an AF_PACKET socket that would capture the host's traffic. The
# same attack on a Qt program that keeps the capability must succeed, or the test
# proves nothing. The probes go to 127.0.0.1 in a network namespace of the
# test's own, whose ping_group_range lets nobody open ping sockets, so the
# programs can only probe through the raw socket they kept.
# Usage: capability_attack.sh <lumet-cli> <its picture module> <lumet> <unprotected Qt program>
#        <plugin>
set -euo pipefail
cli=$(realpath "$1")
picture=$(realpath "$2")
window=$(realpath "$3")
control=$(realpath "$4")
plugin=$(realpath "$5")

if [ "$(id -u)" -ne 0 ] || ! command -v setcap > /dev/null || ! command -v useradd > /dev/null; then
    echo "needs root, setcap and useradd"
    exit 77
fi
source "${BASH_SOURCE[0]%/*}/../support/test_namespace.sh"
enter_test_namespace "$0" "$@"

fail() { echo "FAILED: $*"; exit 1; }

user=lumet-attacker-$$
work=$(mktemp -d)
cleanup() {
    pkill -KILL -u "$user" 2> /dev/null || true
    userdel "$user" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
useradd --system --no-create-home --home-dir "$work/home" --shell /usr/sbin/nologin "$user"
chmod 755 "$work"
mkdir -p "$work/bin" "$work/plugins/generic" "$work/home" "$work/out"
chown "$user" "$work/home" "$work/out"
for program in "$cli" "$window" "$control"; do
    cp "$program" "$work/bin/"
    setcap cap_net_raw+ep "$work/bin/${program##*/}"
done
cp "$picture" "$work/bin/"
cp "$plugin" "$work/plugins/generic/"
sysctl -qw net.ipv4.ping_group_range="1 0"

report="$work/out/attack"
# Runs a command as the attacker, with the plugin offered every way Qt takes one.
as_attacker() {
    rm -f "$report"
    runuser -u "$user" -- env -i PATH=/usr/bin:/bin HOME="$work/home" \
        QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$work/plugins" \
        QT_QPA_GENERIC_PLUGINS=lumetsniffer LUMET_ATTACK_REPORT="$report" \
        ASAN_OPTIONS=detect_leaks=0 "$@"
}
# The attack failed when the plugin never ran or its socket was refused.
attack_failed() {
    [ ! -e "$report" ] || grep -q '^refused' "$report"
}
# Every capability set of a running process is empty.
holds_no_capability() {
    local pid=$1
    ! grep -E '^Cap(Inh|Prm|Eff|Amb):' "/proc/$pid/status" | grep -qv '0000000000000000$'
}

# The control: the plugin loads and the capability opens the socket.
as_attacker "$work/bin/${control##*/}" -plugin lumetsniffer || true
[ -e "$report" ] || fail "the plugin was never loaded into the unprotected program"
grep -q '^opened' "$report" || fail "the unprotected program refused: $(cat "$report")"

# lumet-cli: the attack fails, and the raw socket it kept still probes.
cd "$work/out"
as_attacker "$work/bin/${cli##*/}" run --count 2 127.0.0.1 > run.out 2> run.err \
    || fail "lumet-cli run: exit $?: $(cat run.err)"
attack_failed || fail "lumet-cli ran the plugin with the capability: $(cat "$report")"
[ "$(grep -c '^seq=[12] status=0 ' run.out)" = 2 ] || fail "lumet-cli probes: $(cat run.out run.err)"

# While a stay-alive test runs, lumet-cli holds no capability at all.
as_attacker "$work/bin/${cli##*/}" stay --stay-interval 10 127.0.0.1 > stay.out 2>&1 &
for _ in $(seq 50); do
    grep -q '^seq=1 ' stay.out 2> /dev/null && break
    sleep 0.1
done
pid=$(pgrep -u "$user" -f "${cli##*/} stay") || fail "lumet-cli stay is not running"
holds_no_capability "$pid" || fail "lumet-cli kept a capability: $(grep ^Cap "/proc/$pid/status")"
kill -INT "$pid"
wait || true
grep -q '^seq=1 status=0 ' stay.out || fail "lumet-cli stay probe: $(cat stay.out)"
attack_failed || fail "lumet-cli stay ran the plugin with the capability"

# The window, with the plugin named on its command line as well.
as_attacker "$work/bin/${window##*/}" -plugin lumetsniffer -platformpluginpath "$work/plugins" \
    > window.out 2>&1 &
# Qt loads plugins while it starts; once the main thread waits in poll(), the
# event loop runs and every plugin that was going to load has.
started=no
for _ in $(seq 100); do
    pid=$(pgrep -u "$user" -x "${window##*/}") || true
    if [ -n "$pid" ] && grep -q poll "/proc/$pid/wchan" 2> /dev/null; then
        started=yes
        break
    fi
    sleep 0.1
done
[ "$started" = yes ] || fail "lumet did not start: $(cat window.out)"
holds_no_capability "$pid" || fail "lumet kept a capability"
kill -KILL "$pid"
wait || true
attack_failed || fail "lumet ran the plugin with the capability: $(cat "$report")"
echo "the attack failed on lumet-cli and lumet, and worked on the control"
