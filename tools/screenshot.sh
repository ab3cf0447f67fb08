#!/usr/bin/env bash
# Takes the README's picture of the running window under a private Xvfb server:
#   tools/screenshot.sh [BUILD_DIR] [OUTPUT]   (defaults: build, docs/screenshot.png)
# Needs a built build/app/vantrel with its data files, Xvfb, xdotool and ImageMagick.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
output=${2:-docs/screenshot.png}
mkdir -p "$(dirname "$output")"
output=$(cd "$(dirname "$output")" && pwd)/$(basename "$output")

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 1 -noreset -screen 0 1920x1080x24 -nolisten tcp >"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

(cd "$build/data" && exec "$build/app/vantrel") >/dev/null 2>&1 &
app_pid=$!
window=
for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }

# Let the cross-fade get going and draw a particle trail over the pictures.
sleep 2
for step in $(seq 0 40); do
    xdotool mousemove --window "$window" $((120 + step * 7)) $((160 + (step % 10) * 15))
    sleep 0.02
done
sleep 0.2
import -window "$window" "$output"
xdotool key ctrl+q
wait "$app_pid" || true
app_pid=
echo "Wrote $output"
