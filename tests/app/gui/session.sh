# Helpers for driving the vantrel window under a private Xvfb server with xdotool.
# Sourced by window_test.sh; every helper fails the test through `fail`.

bar_height=20 # the menu bar above the 1366 x 768 frame

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

# start_xvfb WIDTH HEIGHT: a server on a free display number, exported as DISPLAY. By
# default an X server resets whenever its last client leaves and refuses connections while
# it does: the polling below would then race the program's own connection.
start_xvfb() {
    Xvfb -displayfd 1 -noreset -screen 0 "${1}x${2}x24" -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    local deadline=$(( $(now_ms) + 10000 ))
    while [ ! -s "$work/display" ]; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        [ "$(now_ms)" -lt "$deadline" ] || fail "Xvfb gave no display number"
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$work/display")"
}

# start_app: runs the program from the data folder, its output kept for failures; a crash
# leaves a core file in its own folder.
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

# wait_exit MILLISECONDS: the program ends in time with exit code 0.
wait_exit() {
    local deadline=$(( $(now_ms) + $1 ))
    while kill -0 "$app_pid" 2>/dev/null; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "still running after $1 ms"
        sleep 0.02
    done
    how_it_ended
    [ "$ended" = "exit code 0" ] || fail "the program ended with $ended"
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

# alive_or_fail WHEN: fails saying how the program ended if it has.
alive_or_fail() {
    kill -0 "$app_pid" 2>/dev/null && return
    how_it_ended
    fail "the program ended $1: $ended"
}

# message_box: the id of the message box (its caption is the program's name) once shown.
# xdotool cannot read its UTF-8 title, xwininfo can.
message_box() {
    local deadline=$(( $(now_ms) + ${1:-10000} )) id
    while :; do
        id=$(xwininfo -root -tree | awk '/"Vantrel - /{print $1; exit}')
        [ -n "$id" ] && { echo "$id"; return; }
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# other_window [EXCEPT [MILLISECONDS]]: the id of a viewable top-level window other than
# EXCEPT, once one shows (an error box has no caption to look for).
other_window() {
    local deadline=$(( $(now_ms) + ${2:-10000} )) id
    while :; do
        for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}'); do
            [ -n "${1:-}" ] && [ $((id)) -eq $(($1)) ] && continue
            if xwininfo -id "$id" 2>/dev/null | grep -q IsViewable; then
                echo "$id"
                return
            fi
        done
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# box_text BOX: the message box's text as it publishes it (UTF-8).
box_text() {
    LC_ALL=C.UTF-8 xprop -id "$1" -notype _VANTREL_MESSAGE_TEXT | sed 's/^[^=]*= "//; s/"$//'
}

# box_caption BOX
box_caption() {
    LC_ALL=C.UTF-8 xprop -id "$1" -notype _NET_WM_NAME | sed 's/^[^=]*= "//; s/"$//'
}

# dismiss BOX [KEY]: presses KEY (Return unless given) and waits for the box to go. The box
# takes the keyboard itself: the pointer stays where it is.
dismiss() {
    xdotool key "${2:-Return}"
    local deadline=$(( $(now_ms) + 5000 ))
    while xwininfo -id "$1" >/dev/null 2>&1; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "the message box did not close"
        sleep 0.05
    done
}

# geometry WINDOW: "x y width height" of the window on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# screenshot WINDOW FILE: the window's own pixels, so positions are window coordinates.
screenshot() {
    import -window "$1" "$2"
}

# count_pixels FILE X Y WIDTH HEIGHT R G B TOLERANCE: pixels of the region within
# TOLERANCE of the colour in every channel.
count_pixels() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -depth 8 -format %c histogram:info:- |
        awk -v r="$6" -v g="$7" -v b="$8" -v t="$9" '
            function off(a, c) { return a > c ? a - c : c - a }
            { count = $1 + 0
              if (match($0, /\( *[0-9]+, *[0-9]+, *[0-9]+/)) {
                  split(substr($0, RSTART + 1, RLENGTH - 1), c, ",")
                  if (off(c[1], r) <= t && off(c[2], g) <= t && off(c[3], b) <= t) n += count
              } }
            END { print n + 0 }'
}

# differing_pixels A B X Y WIDTH HEIGHT
differing_pixels() {
    convert "$1" -crop "${5}x${6}+${3}+${4}" +repage "$work/first.png"
    convert "$2" -crop "${5}x${6}+${3}+${4}" +repage "$work/second.png"
    # compare exits 1 when the images differ
    { compare -metric AE "$work/first.png" "$work/second.png" null: 2>&1 || true; } |
        awk '{print int($1)}'
}

# pixel FILE X Y: "r g b" of one pixel.
pixel() {
    convert "$1" -crop "1x1+${2}+${3}" +repage -depth 8 txt:- |
        awk 'NR == 2 { if (match($0, /\( *[0-9]+, *[0-9]+, *[0-9]+/)) {
                 split(substr($0, RSTART + 1, RLENGTH - 1), c, ","); print c[1] + 0, c[2] + 0, c[3] + 0 } }'
}

# popup_columns FILE Y: "left right" of the open popup's borders on row Y, found where the
# border grey meets the popup's own background or highlight; nothing when there is none.
popup_columns() {
    convert "$1" -crop "800x1+0+${2}" +repage -depth 8 txt:- |
        awk 'NR > 1 && match($0, /\( *[0-9]+, *[0-9]+, *[0-9]+/) {
                 split(substr($0, RSTART + 1, RLENGTH - 1), c, ",")
                 p[n++] = (c[1] + 0) "," (c[2] + 0) "," (c[3] + 0) }
             function inside(v) { return v == "242,242,242" || v == "145,201,247" }
             END { for (x = 0; x + 1 < n; ++x) {
                       if (left == "" && p[x] == "151,151,151" && inside(p[x + 1])) left = x
                       else if (left != "" && p[x + 1] == "151,151,151" && inside(p[x])) {
                           print left, x + 1; exit } } }'
}
