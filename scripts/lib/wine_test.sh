# Sourced, from the repository, by the tests that run Windows programs under Wine on an X display
# of their own: a scratch folder, failures that are counted while the test goes on, and Wine, the
# display and the test's own background processes ended however the test ends.
source scripts/lib/common.sh
work=$(mktemp -d)
status=0
fail() { echo "FAIL: $*"; status=1; }
# Processes the test starts beside Wine (a window manager, a watcher), ended with it.
own_pids=()
cleanup() {
    local pid
    for pid in "${own_pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    vardeko_stop_wine
    vardeko_stop_display
    rm -rf "$work"
}
trap cleanup EXIT
# Generous: the machine may be busy with other builds.
wait_seconds=120

# Sets result to the exit status of the background process $1 once it has ended, or to "still
# running" when it has not within wait_seconds.
wait_for() {
    local i
    result="still running"
    for i in $(seq 1 $((wait_seconds * 10))); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            result=$?
            return
        fi
        sleep 0.1
    done
}
