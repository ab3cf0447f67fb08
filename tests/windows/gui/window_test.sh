#!/usr/bin/env bash
# One window scenario of vantrel.exe under Wine, inside the session of wine-session.sh
# (a 1920 x 1080 Xvfb). The too-small screen starts a session of its own at 1280 x 720.
# from_zip unpacks the download VANTREL_ZIP into an empty folder and runs the program
# from there; windowed checks the resources against VANTREL_VERSION.
# Usage: window_test.sh SCENARIO VANTREL_EXE DATA_DIR PROBE_EXE
set -euo pipefail

scenario=$1 exe=$2 data=$3 probe_exe=$4
root=$(cd "$(dirname "$0")/../../.." && pwd)
run=$root/tools/windows/wine-run.sh

# Screens of other sizes need a session of their own.
own_screen=""
case "$scenario" in
too_small) own_screen=1280x720x24 ;;
fullscreen_only) own_screen=1366x768x24 ;;
esac
if [ -n "$own_screen" ] && [ "${VANTREL_XVFB_SCREEN:-}" != "$own_screen" ]; then
    VANTREL_XVFB_SCREEN=$own_screen exec "$root/tools/windows/wine-session.sh" "$0" "$@"
fi

work=$(mktemp -d /tmp/vantrel-window.XXXXXX)
app_pid=""
finish() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAIL ($scenario): $*" >&2
    exit 1
}
probe() {
    local output
    output=$(VANTREL_WINE_TIMEOUT=90 "$run" "$probe_exe" "$@") || { echo "$output" >&2; fail "probe $1 failed"; }
    echo "$output" | tr -d '\r'
}
expect_line() { # FILE LINE
    grep -qxF -- "$2" "$1" || { cat "$1" >&2; fail "expected '$2'"; }
}
start_app() { # FOLDER
    (cd "$1" && VANTREL_WINE_TIMEOUT=120 exec "$run" "$exe") &
    app_pid=$!
}
wait_app() {
    local code=0
    wait "$app_pid" || code=$?
    app_pid=""
    [ "$code" -eq 0 ] || fail "vantrel.exe ended with exit code $code"
}
# picture_moves: two screenshots a second apart differ; the second is kept as second.png.
picture_moves() {
    import -display "$DISPLAY" -window root "$work/first.png"
    sleep 1
    import -display "$DISPLAY" -window root "$work/second.png"
    local differing
    differing=$(compare -metric AE "$work/first.png" "$work/second.png" null: 2>&1 || true)
    [ "${differing%% *}" != 0 ]
}

folder=$work/app
mkdir -p "$folder"
if [ "$scenario" != missing_data ] && [ "$scenario" != from_zip ]; then
    cp "$data"/*.png "$data"/load.gra "$data"/click.wav "$folder"/
fi

windowed_menu='menu=ファイル(&F) | 終了(&X)	Ctrl+Q:enabled / 表示(&V) | フルスクリーン(&S)	Alt+Enter:enabled | ウィンドウ(&W)	Alt+Enter:grayed'
caption='caption=Vantrel - ヴァントレル'

case "$scenario" in
windowed | exit_item | close_window)
    start_app "$folder"
    probe wait-window 60 > "$work/window"
    expect_line "$work/window" 'title=Vantrel'
    expect_line "$work/window" 'client=1366x768'
    # the window's style, visible, with the clip-siblings bit the system adds to every
    # overlapped window
    expect_line "$work/window" 'style=0x16CA0000'
    expect_line "$work/window" 'menu=attached'
    probe resources "$(winepath -w "$exe" 2>/dev/null)" > "$work/resources"
    expect_line "$work/resources" "$windowed_menu"
    if [ "$scenario" = windowed ]; then
        expect_line "$work/resources" 'dpiAwareness=PerMonitorV2, PerMonitor'
        expect_line "$work/resources" 'dpiAware=true/pm'
        expect_line "$work/resources" 'icon=16 20 24 32 40 48 64 96 256'
        expect_line "$work/resources" "version=Vantrel $VANTREL_VERSION $VANTREL_VERSION.0"
        expect_line "$work/resources" 'menu-language=0411'
        expect_line "$work/resources" 'string-language=0411'
        expect_line "$work/window" 'window-dpi-awareness=per-monitor'
        sleep 2
        picture_moves || fail "the picture does not move"
        if [ -n "${VANTREL_SCREENSHOT:-}" ]; then
            cp "$work/second.png" "$VANTREL_SCREENSHOT"
        fi
        probe keys ctrl+q
    elif [ "$scenario" = exit_item ]; then
        probe command 40000
    else
        probe close
    fi
    wait_app
    ;;
refused_fullscreen)
    start_app "$folder"
    probe wait-window 60 > "$work/before"
    probe keys alt+enter
    probe wait-box 30 keep > "$work/box"
    expect_line "$work/box" "$caption"
    expect_line "$work/box" 'text=ディスプレイ解像度の変更に失敗しました。'
    # The workers present by themselves: the picture moves while the box is open.
    picture_moves || fail "the picture stands still behind the message box"
    probe wait-box 5 > /dev/null
    sleep 1
    probe wait-window 10 > "$work/after"
    diff "$work/before" "$work/after" >&2 || fail "the window changed"
    probe command 40000
    wait_app
    ;;
too_small)
    start_app "$folder"
    probe wait-box 60 > "$work/box"
    expect_line "$work/box" "$caption"
    expect_line "$work/box" 'text=ディスプレイ解像度が不足しています。1360 x 768 以上の解像度の環境が必要です。'
    wait_app
    probe no-window || fail "a window was created"
    ;;
fullscreen_only)
    # Full screen is the only mode: Wine grants the screen's own mode, so the window
    # starts as a bare popup over the whole screen with its menu hidden, and Alt+Enter
    # changes nothing.
    start_app "$folder"
    probe wait-window 60 > "$work/window"
    expect_line "$work/window" 'client=1366x768'
    # popup, visible, clip children (and the clip-siblings bit the system adds)
    expect_line "$work/window" 'style=0x96000000'
    expect_line "$work/window" 'menu=none'
    probe keys alt+enter
    sleep 1
    probe wait-window 10 > "$work/after"
    diff "$work/window" "$work/after" >&2 || fail "Alt+Enter changed the window"
    probe command 40000
    wait_app
    ;;
from_zip)
    [ -f "${VANTREL_ZIP:-}" ] || fail "no download at '${VANTREL_ZIP:-}' (make windows-zip writes it)"
    (cd "$folder" && cmake -E tar xf "$VANTREL_ZIP")
    (cd "$folder" && ls) > "$work/files"
    printf '%s\n' README.txt click.wav load.gra particle.png particle2.png snow.png snow2.png \
        trans0.png trans1.png trans2.png trans3.png trans4.png trans5.png trans6.png trans7.png \
        trans8.png vantrel.exe | diff - "$work/files" >&2 || fail "the download holds other files"
    if x86_64-w64-mingw32-objdump -h "$folder/vantrel.exe" | grep -q '\.debug_'; then
        fail "the program in the download carries debug information"
    fi
    exe=$folder/vantrel.exe
    start_app "$folder"
    probe wait-window 60 > "$work/window"
    expect_line "$work/window" 'title=Vantrel'
    expect_line "$work/window" 'client=1366x768'
    sleep 2
    picture_moves || fail "the picture does not move"
    probe keys ctrl+q
    wait_app
    ;;
missing_data)
    start_app "$folder"
    probe wait-box 60 > "$work/box"
    expect_line "$work/box" 'text=CreateFileA API failed in vantrel::FileStreamReader::FileStreamReader method.'
    sleep 1
    probe wait-window 10 > "$work/window"
    expect_line "$work/window" 'title=Vantrel'
    probe command 40000
    wait_app
    ;;
*)
    fail "unknown scenario"
    ;;
esac
echo "PASS ($scenario)"
