#!/usr/bin/env bash
# Takes the README's picture of the running window under a private Xvfb server:
#   tools/screenshot.sh [BUILD_DIR] [OUTPUT]   (defaults: build, docs/screenshot.png)
# Needs a built build/app/vantrel with its data files, Xvfb, xdotool and ImageMagick.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
output=${2:-docs/screenshot.png}
mkdir -p "$(dirname "$output")"
output=$(cd "$(dirname "$output")" && pwd)/$(basename "$output")

source "$(dirname "$0")/window-session.sh"
start_window "$build"

# Let the cross-fade get going and draw a particle trail over the pictures.
sleep 2
for step in $(seq 0 40); do
    xdotool mousemove --window "$win" $((120 + step * 7)) $((160 + (step % 10) * 15))
    sleep 0.02
done
sleep 0.2
import -window "$win" "$output"
xdotool key ctrl+q
wait "$app_pid" || true
app_pid=
echo "Wrote $output"
