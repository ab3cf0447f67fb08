#!/usr/bin/env bash
# Soak of the window: runs BUILD_DIR/app/vantrel under a private Xvfb for SOAK_SECONDS
# (default 600), driven by xdotool: the pointer moves and clicks all the time, and a menu
# is opened and closed every ten seconds. Prints the program's resident memory at start and
# every minute, and its growth over the last five minutes.
#   tools/window-soak.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${SOAK_SECONDS:-600}

source "$(dirname "$0")/window-session.sh"
start_window "$build"

residentKiB() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }
times=()
sizes=()
sample() {
    local elapsed=$1 kib
    kib=$(residentKiB)
    times+=("$elapsed")
    sizes+=("$kib")
    awk -v t="$elapsed" -v k="$kib" 'BEGIN { printf "window soak: resident memory at %4d s: %.1f MiB\n", t, k / 1024 }'
}

start=$SECONDS
sample 0
next_sample=60
step=0
while [ $((SECONDS - start)) -lt "$seconds" ]; do
    kill -0 "$app_pid" 2>/dev/null || { echo "the program ended during the soak" >&2; exit 1; }
    x=$((100 + (step * 37) % 1100))
    y=$((120 + (step * 23) % 500))
    xdotool mousemove --window "$win" "$x" "$y" click 1
    if [ $((step % 50)) -eq 25 ]; then
        xdotool key --window "$win" alt+v
        sleep 0.3
        xdotool key --window "$win" Escape Escape
        xdotool key --window "$win" alt+f
        sleep 0.3
        xdotool key --window "$win" Escape Escape
    fi
    step=$((step + 1))
    sleep 0.2
    if [ $((SECONDS - start)) -ge "$next_sample" ]; then
        sample "$next_sample"
        next_sample=$((next_sample + 60))
    fi
done
sample $((SECONDS - start))

last=$((${#times[@]} - 1))
from=0
for i in "${!times[@]}"; do
    [ $((times[last] - times[i])) -ge 300 ] && from=$i
done
awk -v n="$step" -v t=$((times[last] - times[from])) -v k=$((sizes[last] - sizes[from])) \
    'BEGIN { printf "window soak: %d clicks; resident memory growth over the last %d s: %+.1f MiB\n", n, t, k / 1024 }'
# The window may be gone before the key's release is sent.
xdotool key --window "$win" ctrl+q 2>/dev/null || true
wait "$app_pid" || true
app_pid=
