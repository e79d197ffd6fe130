# shellcheck shell=bash
# Sourced by the end-to-end scripts: enter_test_namespace "$0" "$@" runs the script
# again inside a network namespace of its own, or exits 77 where none can be made.
# Inside, only loopback may be up, so that no probe or name lookup can leave the
# machine whatever the environment says.
enter_test_namespace() {
    if [ "${LUMET_IN_NAMESPACE:-}" != 1 ]; then
        if ! unshare --net true 2> /dev/null; then
            echo "needs root (CAP_SYS_ADMIN) to create a network namespace"
            exit 77
        fi
        exec env LUMET_IN_NAMESPACE=1 unshare --net "$@"
    fi
    if ip -o link show up | awk -F': ' '$2 != "lo" { found = 1 } END { exit !found }'; then
        echo "FAILED: not in a network namespace of the test's own"
        exit 1
    fi
    ip link set lo up
}
