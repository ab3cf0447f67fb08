# Helpers for driving the vantrel window under a private Xvfb server with xdotool.
# Sourced by window_test.sh; every helper fails the test through `fail`.

bar_height=20 # the menu bar above the 1366 x 768 frame

source "$(dirname "${BASH_SOURCE[0]}")/../../../tools/window-session.sh"

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

# start_windowed: a 1920 x 1080 server, the program, its window.
start_windowed() {
    start_xvfb
    start_app
    main_window
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
