# Sourced by the tools and tests that drive the real window: a private Xvfb server and the
# program. Sets `work`, `xvfb_pid`, `app_pid` and `win`; ends both processes and removes
# `work` on exit; `fail` shows the program's output.

work=$(mktemp -d)
xvfb_pid=
app_pid=

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/app.log" ] && sed 's/^/  app: /' "$work/app.log" >&2
    exit 1
}

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

now_ms() {
    echo $(( $(date +%s%N) / 1000000 ))
}

# start_xvfb [WIDTH HEIGHT]: a server (1920 x 1080 unless told) on a free display number,
# exported as DISPLAY. By default an X server resets whenever its last client leaves and
# refuses connections while it does: the polling below would then race the program's own
# connection.
start_xvfb() {
    Xvfb -displayfd 1 -noreset -screen 0 "${1:-1920}x${2:-1080}x24" -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    local deadline=$(( $(now_ms) + 10000 ))
    while [ ! -s "$work/display" ]; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        [ "$(now_ms)" -lt "$deadline" ] || fail "Xvfb gave no display number"
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$work/display")"
}

# start_app: runs the program `app` from the folder `data_dir`, its output kept for
# failures; a crash leaves a core file in that folder.
start_app() {
    mkdir -p "$data_dir"
    (ulimit -c unlimited 2>/dev/null; cd "$data_dir" && exec "$app") >"$work/app.log" 2>&1 &
    app_pid=$!
}

# how_it_ended: waits for the ended program and sets `ended` to how it ended: its exit code
# or its signal, with the threads' backtraces from its core dump where there is one.
how_it_ended() {
    local code=0 core
    wait "$app_pid" || code=$?
    app_pid=
    if [ "$code" -gt 128 ]; then
        ended="signal $(kill -l $((code - 128)) 2>/dev/null || echo $((code - 128)))"
    else
        ended="exit code $code"
    fi
    core=$(ls -t "$data_dir"/core* 2>/dev/null | head -n1 || true)
    if [ -n "$core" ] && command -v gdb >/dev/null; then
        ended+=$'\n'$(gdb -batch -nx -ex 'thread apply all bt' "$app" "$core" 2>/dev/null)
        rm -f "$core"
    fi
}

# alive_or_fail WHEN: fails saying how the program ended if it has.
alive_or_fail() {
    kill -0 "$app_pid" 2>/dev/null && return
    how_it_ended
    fail "the program ended $1: $ended"
}

# main_window: sets `win` to the id of the program's window once it is visible.
main_window() {
    local deadline=$(( $(now_ms) + 15000 ))
    while :; do
        win=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n1 || true)
        [ -n "$win" ] && return
        alive_or_fail "before its window appeared"
        [ "$(now_ms)" -lt "$deadline" ] || fail "no window appeared"
        sleep 0.05
    done
}

# start_window BUILD: the server, then BUILD's program from its data folder; waits for its
# window.
start_window() {
    app=$1/app/vantrel data_dir=$1/data
    start_xvfb
    start_app
    main_window
}
