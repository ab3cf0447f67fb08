#!/usr/bin/env bash
# Runs the benchmark scene from the generated data folder: in a window when a display is
# available, otherwise the headless benchmark.
set -euo pipefail
build=${1:-build}
data="$build/data"

if [ -x "$build/app/vantrel" ] && [ -n "${DISPLAY:-}" ]; then
    cd "$data" && exec "../app/vantrel"
fi
if [ -x "$build/bench/scene/vantrel-bench" ]; then
    [ -n "${DISPLAY:-}" ] || echo "No display: running the headless benchmark instead of the window."
    cd "$data" && exec "../bench/scene/vantrel-bench" --seconds 10
fi
echo "The scene is not built yet: running the kernel benchmark."
exec "$build/bench/image/bench_kernels"
