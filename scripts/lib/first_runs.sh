# First runs in new Wine prefixes, as a user's first scripts/run makes them: each in a new prefix,
# on a new Xvfb display, the component registered, then the demonstration's host command. Source
# it after common.sh.

# Usage: vardeko_first_runs N KIND...: N first runs, each KIND (win64 or win32) in turn, the
# 64-bit ones with out/windows, the 32-bit ones with out/windows32. One line each; a failure
# shows what the host printed and the end of every Wine log of its run, and its prefix is kept
# under out/first-runs. A run takes about 20 s, so a quiet stretch says that the runs are still
# at work. Returns 1 when any failed.
vardeko_first_runs() {
    vardeko_with_heartbeat "first runs" vardeko_first_runs_in_turn "$@"
}

vardeko_first_runs_in_turn() {
    local runs=$1 i kind failed=0 start=$SECONDS
    shift
    local kinds=("$@") root=$VARDEKO_ROOT/out/first-runs
    rm -rf "$root"
    for i in $(seq 1 "$runs"); do
        kind=${kinds[$(((i - 1) % ${#kinds[@]}))]}
        vardeko_first_run "$root/$i" "$kind" || failed=$((failed + 1))
    done
    vardeko_say "first runs: $((runs - failed)) of $runs passed in $((SECONDS - start)) s"
    [ $failed -eq 0 ]
}

# One first run in the folder $1 with the prefix kind $2; prints one line, and on failure why.
vardeko_first_run() {
    local dir=$1 kind=$2 bin=$VARDEKO_ROOT/out/windows/bin start=$SECONDS status=0 why=
    [ "$kind" = win32 ] && bin=$VARDEKO_ROOT/out/windows32/bin
    mkdir -p "$dir"
    (
        vardeko_start_display >"$dir/steps.log" 2>&1 || exit 1
        trap 'vardeko_stop_wine; vardeko_stop_display' EXIT
        vardeko_start_wine "$dir/wineprefix" "$kind" >>"$dir/steps.log" 2>&1 || exit 2
        vardeko_prepare_host "$bin" >>"$dir/steps.log" 2>&1 || exit 3
        vardeko_wine_step demonstration "$bin/vardeko-host.exe" --reset --keys \
            "$VARDEKO_DEMO_KEYS" --print --shot "$dir/demo.png" >"$dir/host.out" \
            2>>"$dir/steps.log" || exit 4
    ) || status=$?
    case $status in
    0) tail -n 1 "$dir/host.out" | tr -d '\r' | grep -qxF "$VARDEKO_DEMO_TEXT" ||
        { status=5; why="the host printed something else"; } ;;
    1) why="Xvfb did not start" ;;
    2) why="the prefix could not be made" ;;
    3) why="the component could not be registered" ;;
    *) why="the host failed" ;;
    esac
    if [ $status -eq 0 ]; then
        printf '   first run %s (%s): passed, %d s\n' "${dir##*/}" "$kind" $((SECONDS - start))
        rm -rf "$dir"
        return 0
    fi
    printf '   first run %s (%s): FAILED, %s; kept in %s\n' "${dir##*/}" "$kind" "$why" "$dir"
    local log
    for log in "$dir/steps.log" "$dir/host.out" "$dir"/wine-logs/*.log; do
        [ -s "$log" ] || continue
        echo "   --- ${log#"$dir"/}, its last lines:"
        tail -n 15 "$log" | sed 's/^/      /'
    done
    return 1
}
