#!/usr/bin/env bash
# The browser build's tests: the kernel tests for WebAssembly under Node.js, then the page
# in headless Chromium, whose stepped checksums must equal the native build's.
set -euo pipefail
cd "$(dirname "$0")/../.."

jobs=${JOBS:-2}
steps=(200 700) # inside the first cross-fade; inside the first rule wipe

echo "Kernel tests (WebAssembly, Node.js)"
node --no-experimental-fetch build-web/single/tests/image/test_kernels.js --gtest_brief=1

cmake --build build -j "$jobs" --target vantrel-bench
checksums=()
for count in "${steps[@]}"; do
    line=$(cd build/data && ../bench/scene/vantrel-bench --stepped-checksum "$count" 2>/dev/null)
    checksums+=(--checksum "$count=${line##*: }")
done
echo "Native stepped checksums: ${checksums[*]}"
python3 tools/web/test_page.py build-web "${checksums[@]}" --screenshot build-web/screenshot.png
