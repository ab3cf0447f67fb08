#!/usr/bin/env bash
# Drives the vantrel window under a private Xvfb server:
#   window_test.sh SCENARIO PROGRAM DATA_DIR SEND_CLOSE POINTER_PROBE
set -euo pipefail
scenario=$1
app=$2
data_dir=$3
send_close=$4
pointer_probe=$5
source "$(dirname "$0")/session.sh"

frame_width=1366
frame_height=768
popup_top=$((bar_height + 3)) # border and padding above the first item
item_height=20

# open_view_popup WINDOW FILE: Alt+V, then a screenshot; prints "left right" of the popup.
open_view_popup() {
    xdotool key alt+v
    sleep 0.4
    screenshot "$1" "$2"
    local columns
    columns=$(popup_columns "$2" $((popup_top + 2)))
    [ -n "$columns" ] || fail "no popup after Alt+V"
    echo "$columns"
}

# item_text_pixels FILE LEFT RIGHT ITEM R G B TOLERANCE: matching pixels in an item's row.
item_text_pixels() {
    count_pixels "$1" $(($2 + 1)) $((popup_top + $4 * item_height)) $(($3 - $2 - 1)) \
        "$item_height" "$5" "$6" "$7" "$8"
}

# scene_moves WIDTH: two screenshots half a second apart differ in the frame's left WIDTH
# columns; the first is kept as a.png.
scene_moves() {
    screenshot "$win" "$work/a.png"
    sleep 0.5
    screenshot "$win" "$work/b.png"
    [ "$(differing_pixels "$work/a.png" "$work/b.png" 0 "$bar_height" "$1" $frame_height)" -gt 0 ]
}

# wait_for_size FILE BYTES
wait_for_size() {
    local deadline=$(( $(now_ms) + 20000 ))
    while [ "$(stat -c %s "$1")" -lt "$2" ]; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "$1 stays below $2 bytes"
        sleep 0.05
    done
}

# audio_stats FILE [BYTES]: of the stereo float frames in the first BYTES, "sounding samples,
# frames whose channels differ, peak magnitude".
audio_stats() {
    head -c "${2:-$(stat -c %s "$1")}" "$1" | od -A n -t f4 -v -w8 |
        awk '{ for (i = 1; i <= NF; ++i) { v = $i < 0 ? -$i : $i; n += v != 0; if (v > m) m = v }; d += $1 != $2 }
             END { print n + 0, d + 0, m + 0 }'
}

# check_box BOX TEXT: the box shows TEXT under the program's caption, with a warning icon
# and an OK button.
check_box() {
    local caption text
    caption=$(box_caption "$1")
    [ "$caption" = "Vantrel - ヴァントレル" ] || fail "the box's caption is \"$caption\""
    text=$(box_text "$1")
    [ "$text" = "$2" ] || fail "the box says \"$text\", not \"$2\""
    screenshot "$1" "$work/box.png"
    icon=$(count_pixels "$work/box.png" 16 16 40 60 255 196 0 0)
    [ "$icon" -gt 100 ] || fail "no warning icon in the box ($icon icon pixels)"
    read -r _ _ width height < <(geometry "$1")
    button=$(count_pixels "$work/box.png" $((width - 110)) $((height - 48)) 110 48 0 120 215 0)
    [ "$button" -gt 150 ] || fail "no OK button in the box ($button edge pixels)"
    dark=$(count_pixels "$work/box.png" 60 0 $((width - 60)) $((height - 48)) 0 0 0 60)
    [ "$dark" -gt 50 ] || fail "no text in the box ($dark dark pixels)"
}

# expect_bar NAME STATE: the menu shows STATE: "selected" when a bar item is highlighted,
# "none" otherwise, then "popup" when one is open.
expect_bar() {
    sleep 0.3
    screenshot "$win" "$work/bar.png"
    local selected popup state
    selected=$(count_pixels "$work/bar.png" 0 0 200 $((bar_height - 1)) 204 232 255 0)
    popup=$(popup_columns "$work/bar.png" $((popup_top + 2)))
    state="$([ "$selected" -gt 50 ] && echo selected || echo none) ${popup:+popup}"
    [ "$state" = "$2" ] || fail "$1: the menu shows \"$state\", not \"$2\""
}

# quit_with_ctrl_q WINDOW
quit_with_ctrl_q() {
    xdotool mousemove --window "$1" 600 400
    xdotool key ctrl+q
    wait_exit 2000
}

case $scenario in
windowed)
    # the position the scene follows, with the pointer outside the window before and after
    start_xvfb
    "$pointer_probe" || fail "the pointer source is wrong"
    # the program starts and runs with the pointer outside its window
    xdotool mousemove 1900 1070
    start_app
    main_window
    read -r _ _ width height < <(geometry "$win")
    [ "$width" -eq $frame_width ] && [ "$height" -eq $((frame_height + bar_height)) ] ||
        fail "window is ${width} x ${height}"
    # a title bar without a maximise button
    xprop -id "$win" WM_NORMAL_HINTS | grep -q "minimum size: $frame_width by $((frame_height + bar_height))" &&
        xprop -id "$win" WM_NORMAL_HINTS | grep -q "maximum size: $frame_width by $((frame_height + bar_height))" ||
        fail "the window can change its size"
    functions=$(( $(xprop -id "$win" _MOTIF_WM_HINTS | awk -F'[=,]' '{print $3}') ))
    [ $((functions & 0x10)) -eq 0 ] && [ $((functions & 0x1)) -eq 0 ] ||
        fail "window managers may offer to maximise ($functions)"
    sleep 1.5
    scene_moves $frame_width || fail "the scene does not move"
    bar=$(count_pixels "$work/a.png" 0 0 $frame_width $((bar_height - 1)) 240 240 240 0)
    [ "$bar" -gt 20000 ] || fail "no menu bar ($bar bar pixels)"
    texts=$(count_pixels "$work/a.png" 0 0 200 "$bar_height" 0 0 0 60)
    [ "$texts" -gt 40 ] || fail "no menu bar texts ($texts dark pixels)"
    black=$(count_pixels "$work/a.png" 0 "$bar_height" $frame_width $frame_height 0 0 0 0)
    [ "$black" -lt $((frame_width * frame_height / 2)) ] || fail "no scene ($black black pixels)"

    # View: Fullscreen enabled and unmarked, Window greyed with the radio mark
    xdotool mousemove --window "$win" 600 400
    read -r left right < <(open_view_popup "$win" "$work/view.png")
    enabled=$(item_text_pixels "$work/view.png" "$left" "$right" 0 0 0 0 60)
    [ "$enabled" -gt 20 ] || fail "Fullscreen is not drawn enabled ($enabled dark pixels)"
    greyed=$(item_text_pixels "$work/view.png" "$left" "$right" 1 0 0 0 60)
    [ "$greyed" -eq 0 ] || fail "Window is not drawn greyed ($greyed dark pixels)"
    read -r r g b < <(pixel "$work/view.png" $((left + 1 + 11)) $((popup_top + item_height + 10)))
    [ "$r" -lt 160 ] && [ "$r" -eq "$g" ] || fail "no radio mark on Window ($r $g $b)"
    xdotool key Escape Escape # the popup, then the selected bar
    expect_bar escaped_view "none "

    # keyboard menu mode as on Windows
    for step in alt:"selected " Escape:"none " alt+v:"selected popup" Escape:"selected " Escape:"none " \
                F10:"selected " F10:"none "; do
        xdotool key "${step%%:*}"
        expect_bar "$step" "${step#*:}"
    done
    quit_with_ctrl_q "$win"
    ;;
exit_item | close_window | destroyed_from_outside)
    # the File menu's item, the window manager's close request, the window destroyed
    start_windowed
    sleep 0.5
    case $scenario in
    exit_item)
        xdotool mousemove --window "$win" 20 10 click 1
        sleep 0.4
        xdotool mousemove --window "$win" 40 $((popup_top + 10)) click 1
        ;;
    close_window) "$send_close" "$win" ;;
    *) xdotool windowclose "$win" ;;
    esac
    wait_exit 2000
    ;;
refused_fullscreen)
    # Xvfb has no other mode: the change is refused with string 40000
    start_windowed
    before=$(geometry "$win")
    xdotool mousemove --window "$win" 600 400
    xdotool key alt+Return
    box=$(message_box) || fail "no message box after Alt+Enter"
    check_box "$box" "ディスプレイ解像度の変更に失敗しました。"
    # the scene goes on behind the box
    read -r box_x box_y box_width box_height < <(geometry "$box")
    read -r win_x win_y _ _ < <(geometry "$win")
    sleep 0.5
    scene_moves $((box_x - win_x)) || fail "the scene stands still behind the message box"
    dismiss "$box" Return
    sleep 0.3
    alive_or_fail "after the message box"
    after=$(geometry "$win")
    [ "$before" = "$after" ] || fail "the window moved from ($before) to ($after)"
    quit_with_ctrl_q "$win"
    ;;
destroyed_behind_box)
    # the window destroyed by another program while a message box is open: both go
    start_windowed
    xdotool mousemove --window "$win" 600 400
    xdotool key alt+Return
    box=$(message_box) || fail "no message box after Alt+Enter"
    xdotool windowclose "$win"
    wait_exit 3000
    if xwininfo -id "$box" >/dev/null 2>&1; then
        fail "the message box outlived the program"
    fi
    ;;
fullscreen_only)
    start_xvfb 1366 768
    start_app
    main_window
    sleep 1
    read -r x y width height < <(geometry "$win")
    [ "$x $y $width $height" = "0 0 $frame_width $frame_height" ] ||
        fail "not full screen: $x $y $width $height"

    xdotool mousemove 600 400
    sleep 0.5
    screenshot "$win" "$work/hidden.png"
    bar=$(count_pixels "$work/hidden.png" 0 0 $frame_width $((bar_height - 1)) 240 240 240 0)
    [ "$bar" -lt 5000 ] || fail "the menu bar shows with the pointer low ($bar bar pixels)"
    xdotool mousemove 600 10
    sleep 0.5
    screenshot "$win" "$work/shown.png"
    bar=$(count_pixels "$work/shown.png" 0 0 $frame_width $((bar_height - 1)) 240 240 240 0)
    [ "$bar" -gt 20000 ] || fail "no menu bar with the pointer at the top ($bar bar pixels)"

    read -r left right < <(open_view_popup "$win" "$work/view.png")
    for item in 0 1; do
        dark=$(item_text_pixels "$work/view.png" "$left" "$right" $item 0 0 0 60)
        [ "$dark" -eq 0 ] || fail "View item $item is not greyed ($dark dark pixels)"
        grey=$(item_text_pixels "$work/view.png" "$left" "$right" $item 109 109 109 12)
        [ "$grey" -gt 10 ] || fail "View item $item has no greyed text ($grey pixels)"
    done
    xdotool key Escape Escape # the popup, then the selected bar
    sleep 0.2

    xdotool key alt+Return
    if box=$(message_box 1000); then
        fail "Alt+Enter did something: message box $box"
    fi
    [ "$(geometry "$win")" = "0 0 $frame_width $frame_height" ] || fail "Alt+Enter changed the window"
    quit_with_ctrl_q "$win"
    ;;
click_sound)
    # SDL's disk driver writes the mixed output (48 kHz stereo floats) in real time.
    audio="$work/audio.raw"
    export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio"
    start_windowed
    sleep 1
    [ -s "$audio" ] || fail "the disk audio driver wrote nothing"
    read -r silent_bytes < <(stat -c %s "$audio")
    read -r sounding _ _ < <(audio_stats "$audio" "$silent_bytes")
    [ "$sounding" -eq 0 ] || fail "sound before the click"
    xdotool mousemove --window "$win" 600 400 click 1
    wait_for_size "$audio" $((silent_bytes + 48000 * 8)) # a second more
    quit_with_ctrl_q "$win"

    read -r sounding differing peak < <(audio_stats "$audio")
    frames=$((sounding / 2))
    click_frames=$(( ($(stat -c %s "$data_dir/click.wav") - 44) / 2 * 48000 / 44100 ))
    [ "$frames" -ge $((click_frames * 9 / 10)) ] && [ "$frames" -le $((click_frames * 2)) ] ||
        fail "$frames sounding frames, the click has $click_frames"
    [ "$differing" -eq 0 ] || fail "the mono click differs between channels"
    click_peak=$(od -A n -t d2 -v -j 44 "$data_dir/click.wav" |
        awk '{ for (i = 1; i <= NF; ++i) { v = $i < 0 ? -$i : $i; if (v > m) m = v } } END { print m / 32767 }')
    awk -v a="$peak" -v b="$click_peak" 'BEGIN { exit !(a > b * 0.9 && a < b * 1.1) }' ||
        fail "peak $peak, the click's is $click_peak"
    echo "click: $frames sounding frames (file: $click_frames), peak $peak (file: $click_peak)"
    ;;
missing_data)
    # the scene cannot load its pictures: its error is shown and the window stays open
    data_dir="$work/empty"
    start_xvfb
    start_app
    box=$(message_box) || fail "no error message box"
    # the failure, then the file and the folder it was looked for in; the same on stderr
    expected="open API failed in vantrel::FileStreamReader::FileStreamReader method.\\nload.gra, looked for in $data_dir"
    [ "$(box_text "$box")" = "$expected" ] || fail "the error box says \"$(box_text "$box")\""
    check_box "$box" "$expected"
    grep -Fxq "load.gra, looked for in $data_dir" "$work/app.log" || fail "stderr says \"$(cat "$work/app.log")\""
    dismiss "$box" space
    main_window
    sleep 0.5
    alive_or_fail "after the message box"
    xdotool mousemove --window "$win" 600 400 click 1
    sleep 0.3
    if extra=$(other_window "$win" 1000); then
        fail "a click without a scene showed window $extra"
    fi
    quit_with_ctrl_q "$win"
    ;;
too_small)
    start_xvfb 1280 1024
    start_app
    box=$(message_box) || fail "no message box on a small screen"
    check_box "$box" "ディスプレイ解像度が不足しています。1360 x 768 以上の解像度の環境が必要です。"
    if xdotool search --onlyvisible --name '^Vantrel$' >/dev/null 2>&1; then
        fail "a window appeared on a small screen"
    fi
    dismiss "$box" Escape
    wait_exit 2000
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac
echo "PASS: $scenario"
