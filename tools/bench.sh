#!/usr/bin/env bash
# Runs every benchmark program that the build produced, each reporting medians of
# repeated runs beside the machine's memset/memcpy and single-worker references.
set -euo pipefail
build=${1:-build}
status=0
for program in bench/image/bench_kernels bench/screen/bench_pipeline bench/text/bench_text; do
    if [ -x "$build/$program" ]; then
        echo "== $program"
        "$build/$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || status=1
    fi
done
if [ -x "$build/bench/scene/vantrel-bench" ]; then
    echo "== vantrel-bench"
    (cd "$build/data" && "../bench/scene/vantrel-bench" --seconds 10) || status=1
fi
exit $status
