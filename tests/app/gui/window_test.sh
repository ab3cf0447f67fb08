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

# wait_for_size FILE BYTES
wait_for_size() {
    local deadline=$(( $(now_ms) + 20000 ))
    while [ "$(stat -c %s "$1")" -lt "$2" ]; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "$1 stays below $2 bytes"
        sleep 0.05
    done
}

# nonzero_samples FILE [BYTES]: float samples that are not silence in the first BYTES.
nonzero_samples() {
    head -c "${2:-$(stat -c %s "$1")}" "$1" | od -A n -t f4 -v |
        awk '{ for (i = 1; i <= NF; ++i) if ($i + 0 != 0) ++n } END { print n + 0 }'
}

# channel_differences FILE: stereo frames whose left and right samples differ.
channel_differences() {
    od -A n -t f4 -v -w8 "$1" | awk '$1 != $2 { ++n } END { print n + 0 }'
}

# float_peak FILE: the largest magnitude among the float samples.
float_peak() {
    od -A n -t f4 -v "$1" |
        awk '{ for (i = 1; i <= NF; ++i) { v = $i < 0 ? -$i : $i; if (v > m) m = v } } END { print m + 0 }'
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

# quit_with_ctrl_q WINDOW
quit_with_ctrl_q() {
    xdotool mousemove --window "$1" 600 400
    xdotool key ctrl+q
    wait_exit 2000
}

case $scenario in
windowed)
    start_xvfb 1920 1080
    start_app
    main_window
    read -r _ _ width height < <(geometry "$win")
    [ "$width" -eq $frame_width ] && [ "$height" -eq $((frame_height + bar_height)) ] ||
        fail "window is ${width} x ${height}"
    sleep 1.5
    screenshot "$win" "$work/a.png"
    sleep 0.3
    screenshot "$win" "$work/b.png"
    bar=$(count_pixels "$work/a.png" 0 0 $frame_width $((bar_height - 1)) 240 240 240 0)
    [ "$bar" -gt 20000 ] || fail "no menu bar ($bar bar pixels)"
    texts=$(count_pixels "$work/a.png" 0 0 200 "$bar_height" 0 0 0 60)
    [ "$texts" -gt 40 ] || fail "no menu bar texts ($texts dark pixels)"
    black=$(count_pixels "$work/a.png" 0 "$bar_height" $frame_width $frame_height 0 0 0 0)
    [ "$black" -lt $((frame_width * frame_height / 2)) ] || fail "no scene ($black black pixels)"
    moved=$(differing_pixels "$work/a.png" "$work/b.png" 0 "$bar_height" $frame_width $frame_height)
    [ "$moved" -gt 0 ] || fail "the scene does not move"

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
    quit_with_ctrl_q "$win"
    ;;
exit_item)
    start_xvfb 1920 1080
    start_app
    main_window
    sleep 0.5
    xdotool mousemove --window "$win" 20 10 click 1
    sleep 0.4
    xdotool mousemove --window "$win" 40 $((popup_top + 10)) click 1
    wait_exit 2000
    ;;
close_window)
    start_xvfb 1920 1080
    start_app
    main_window
    sleep 0.5
    "$send_close" "$win"
    wait_exit 2000
    ;;
refused_fullscreen)
    # Xvfb has no other mode: the change is refused with string 40000
    start_xvfb 1920 1080
    start_app
    main_window
    before=$(geometry "$win")
    xdotool mousemove --window "$win" 600 400
    xdotool key alt+Return
    box=$(message_box) || fail "no message box after Alt+Enter"
    check_box "$box" "ディスプレイ解像度の変更に失敗しました。"
    # the scene goes on behind the box
    read -r box_x box_y box_width box_height < <(geometry "$box")
    read -r win_x win_y _ _ < <(geometry "$win")
    sleep 0.5
    screenshot "$win" "$work/behind1.png"
    sleep 0.5
    screenshot "$win" "$work/behind2.png"
    moved=$(differing_pixels "$work/behind1.png" "$work/behind2.png" 0 "$bar_height" \
        $((box_x - win_x)) $frame_height)
    [ "$moved" -gt 0 ] || fail "the scene stands still behind the message box"
    dismiss "$box" Return
    sleep 0.3
    alive_or_fail "after the message box"
    after=$(geometry "$win")
    [ "$before" = "$after" ] || fail "the window moved from ($before) to ($after)"
    quit_with_ctrl_q "$win"
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
    start_xvfb 1920 1080
    start_app
    main_window
    sleep 1
    [ -s "$audio" ] || fail "the disk audio driver wrote nothing"
    read -r silent_bytes < <(stat -c %s "$audio")
    [ "$(nonzero_samples "$audio" "$silent_bytes")" -eq 0 ] || fail "sound before the click"
    xdotool mousemove --window "$win" 600 400 click 1
    wait_for_size "$audio" $((silent_bytes + 48000 * 8)) # a second more
    quit_with_ctrl_q "$win"

    frames=$(( $(nonzero_samples "$audio") / 2 ))
    click_frames=$(( ($(stat -c %s "$data_dir/click.wav") - 44) / 2 * 48000 / 44100 ))
    [ "$frames" -ge $((click_frames * 9 / 10)) ] && [ "$frames" -le $((click_frames * 2)) ] ||
        fail "$frames sounding frames, the click has $click_frames"
    [ "$(channel_differences "$audio")" -eq 0 ] || fail "the mono click differs between channels"
    peak=$(float_peak "$audio")
    click_peak=$(od -A n -t d2 -v -j 44 "$data_dir/click.wav" |
        awk '{ for (i = 1; i <= NF; ++i) { v = $i < 0 ? -$i : $i; if (v > m) m = v } } END { print m / 32767 }')
    awk -v a="$peak" -v b="$click_peak" 'BEGIN { exit !(a > b * 0.9 && a < b * 1.1) }' ||
        fail "peak $peak, the click's is $click_peak"
    echo "click: $frames sounding frames (file: $click_frames), peak $peak (file: $click_peak)"
    ;;
missing_data)
    # the scene cannot load its pictures: its error is shown and the window stays open
    data_dir="$work/empty"
    start_xvfb 1920 1080
    start_app
    box=$(message_box) || fail "no error message box"
    box_text "$box" | grep -Eq '^.+ API failed in vantrel::[A-Za-z:]+ method\.$' ||
        fail "the error box says \"$(box_text "$box")\""
    check_box "$box" "$(box_text "$box")"
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
    check_box "$box" "ディスプレイ解像度が不足しています。1360 x 678 以上の解像度の環境が必要です。"
    if xdotool search --onlyvisible --name '^Vantrel$' >/dev/null 2>&1; then
        fail "a window appeared on a small screen"
    fi
    dismiss "$box" Escape
    wait_exit 2000
    ;;
destroyed_from_outside)
    start_xvfb 1920 1080
    start_app
    main_window
    sleep 0.5
    xdotool windowclose "$win"
    wait_exit 2000
    ;;
menu_keys)
    # keyboard menu mode as on Windows, and a title bar without a maximise button
    start_xvfb 1920 1080
    start_app
    main_window
    xprop -id "$win" WM_NORMAL_HINTS | grep -q "minimum size: $frame_width by $((frame_height + bar_height))" &&
        xprop -id "$win" WM_NORMAL_HINTS | grep -q "maximum size: $frame_width by $((frame_height + bar_height))" ||
        fail "the window can change its size"
    functions=$(( $(xprop -id "$win" _MOTIF_WM_HINTS | awk -F'[=,]' '{print $3}') ))
    [ $((functions & 0x10)) -eq 0 ] && [ $((functions & 0x1)) -eq 0 ] ||
        fail "window managers may offer to maximise ($functions)"
    xdotool mousemove --window "$win" 600 400
    # bar_state NAME: "selected" when a bar item is highlighted, then "popup" when one is open
    bar_state() {
        screenshot "$win" "$work/$1.png"
        local selected popup
        selected=$(count_pixels "$work/$1.png" 0 0 200 $((bar_height - 1)) 204 232 255 0)
        popup=$(popup_columns "$work/$1.png" $((popup_top + 2)))
        echo "$([ "$selected" -gt 50 ] && echo selected || echo none) ${popup:+popup}"
    }
    expect_bar() {
        sleep 0.3
        local state
        state=$(bar_state "$1")
        [ "$state" = "$2" ] || fail "$1: the menu shows \"$state\", not \"$2\""
    }
    xdotool key alt
    expect_bar alt_tapped "selected "
    xdotool key Escape
    expect_bar escaped_bar "none "
    xdotool key alt+v
    expect_bar alt_v "selected popup"
    xdotool key Escape
    expect_bar first_escape "selected "
    xdotool key Escape
    expect_bar second_escape "none "
    xdotool key F10
    expect_bar f10 "selected "
    xdotool key F10
    expect_bar f10_again "none "
    quit_with_ctrl_q "$win"
    ;;
pointer_outside)
    # the position the scene follows, with the pointer outside the window before and after
    start_xvfb 1920 1080
    "$pointer_probe" || fail "the pointer source is wrong"
    # and the program itself starts and runs with the pointer outside its window
    xdotool mousemove 1900 1070
    start_app
    main_window
    sleep 0.5
    alive_or_fail "with the pointer outside"
    quit_with_ctrl_q "$win"
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac
echo "PASS: $scenario"
