#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer), makes their seeds with our own code, and runs each fuzzer
# for FUZZ_SECONDS (default 60). Any finding fails the run: a crash, a sanitizer report, a
# leak, or one input of at most 64 KiB that takes over a second or 256 MiB.
# Findings are kept in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD:-build-fuzz}
jobs=${JOBS:-$(nproc)}
fuzzers=(png wave text)

# The compiler and its fuzzing runtime, when missing.
missing=()
for package in clang libclang-rt-dev; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
    -DVANTREL_SANITIZE=address,undefined \
    -DVANTREL_BUILD_TESTS=OFF -DVANTREL_BUILD_BENCHMARKS=OFF -DVANTREL_FUZZ=ON >/dev/null
cmake --build "$build" -j "$jobs" --target fuzz_seeds "${fuzzers[@]/#/fuzz_}"

rm -rf "$build/seeds"
"$build/tests/fuzz/fuzz_seeds" "$build/seeds"
rm -rf "$build/findings"
mkdir -p "$build/findings"

# A small quarantine keeps AddressSanitizer's own memory from counting against the limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=10}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
limits=(-timeout=1 -rss_limit_mb=256 -max_len=65536)

# libFuzzer's timeout is wall-clock time, so on a busy machine a quick input may be caught
# while it waits for a processor. A timeout counts only if its input, run again alone, takes
# over a second of processor time (user and system, the fuzzer's start included) each time.
timeoutReproduces() {
    local fuzzer=$1 input=$2 cpu
    for attempt in 1 2 3; do
        cpu=$( { TIMEFORMAT='%3U %3S'; time "$fuzzer" -timeout=60 -rss_limit_mb=256 -max_len=65536 "$input" \
            >/dev/null 2>&1; } 2>&1 ) || return 0
        awk -v t="$cpu" 'BEGIN { split(t, c, " "); exit !(c[1] + c[2] <= 1.0) }' && {
            echo "fuzz: $input takes $cpu s (user, system) of processor time alone" >&2
            return 1
        }
    done
    return 0
}

# Runs one fuzzer until its time is used up; false on a finding.
fuzzFor() {
    local name=$1 fuzzer="$build/tests/fuzz/fuzz_$1" corpus="$build/corpus/$1"
    local log="$build/fuzz_$name.log" end=$((SECONDS + seconds))
    mkdir -p "$corpus"
    : >"$log"
    while [ $SECONDS -lt "$end" ]; do
        if "$fuzzer" "${limits[@]}" -max_total_time=$((end - SECONDS)) -print_final_stats=1 \
            -artifact_prefix="$build/findings/$name-" "$corpus" "$build/seeds/$name" 2>>"$log"; then
            grep -E "^stat::(number_of_executed_units|peak_rss_mb)" "$log" | tail -n 2
            return 0
        fi
        local finding
        finding=$(ls -t "$build/findings/$name-"* 2>/dev/null | head -n 1)
        case "$finding" in
        *"/$name-timeout-"*)
            if timeoutReproduces "$fuzzer" "$finding"; then
                tail -n 60 "$log"
                return 1
            fi
            echo "fuzz_$name: $finding takes under a second of processor time (load $(cut -d' ' -f1 /proc/loadavg)); going on"
            rm -f "$finding"
            ;;
        *)
            tail -n 60 "$log"
            return 1
            ;;
        esac
    done
}

failed=()
for name in "${fuzzers[@]}"; do
    echo "== fuzz_$name for $seconds s"
    fuzzFor "$name" || failed+=("$name")
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: findings in ${failed[*]}; inputs in $build/findings" >&2
    exit 1
fi
echo "fuzz: no findings"
