# Sourced by the tools that drive the real window: a private Xvfb server and the program
# started from BUILD's data folder. Sets `work`, `xvfb_pid`, `app_pid` and `window`, and
# ends both processes and removes `work` on exit.
# -noreset: a server that resets whenever its last client leaves refuses the program while
# our own polling is the only client.

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# start_window BUILD: the server on a free display, then the program; waits for its window.
start_window() {
    Xvfb -displayfd 1 -noreset -screen 0 1920x1080x24 -nolisten tcp >"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$work/display")"

    (cd "$1/data" && exec "$1/app/vantrel") >/dev/null 2>&1 &
    app_pid=$!
    window=
    for _ in $(seq 150); do
        window=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
}
