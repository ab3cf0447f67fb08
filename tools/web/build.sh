#!/usr/bin/env bash
# Builds the page into build-web/: index.html, page.js, the threaded and single-threaded
# engine (vantrel-threads.* and vantrel-single.*), their shared data package
# (vantrel-data.js and vantrel.data: the scene's pictures and sound, and the font) and the
# font's licence; the kernel tests for Node.js in build-web/single/tests/image.
# The scene's data files come from the native build's generator (build/data).
set -euo pipefail
cd "$(dirname "$0")/../.."

jobs=${JOBS:-2}
out=build-web
font=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
font_licence=/usr/share/doc/fonts-ipafont-gothic/copyright
# Debian's em++ needs its own acorn module, which lives outside node's default path.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

tools/web/build-deps.sh "$out/deps"

for flavour in threads single; do
    threads=$([ "$flavour" = threads ] && echo ON || echo OFF)
    if [ ! -f "$out/$flavour/build.ninja" ]; then
        emcmake cmake -S . -B "$out/$flavour" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DVANTREL_WEB_THREADS="$threads" -DVANTREL_WEB_DEPS="$PWD/$out/deps" \
            -DVANTREL_BUILD_BENCHMARKS=OFF >/dev/null
    fi
done
cmake --build "$out/threads" -j "$jobs" --target vantrel-threads
cmake --build "$out/single" -j "$jobs" --target vantrel-single test_kernels

# The data package, shared by both builds.
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja >/dev/null
fi
cmake --build build -j "$jobs" --target vantrel_data
python3 /usr/share/emscripten/tools/file_packager.py "$out/vantrel.data" \
    --preload build/data@/ "$font@/ipagp.ttf" --js-output="$out/vantrel-data.js" 2>&1 \
    | grep -v "FORCE_FILESYSTEM" || true

cp app/web/index.html app/web/page.js "$out/"
cp "$out"/threads/app/web/vantrel-threads.{js,wasm,worker.js} "$out/"
cp "$out"/single/app/web/vantrel-single.{js,wasm} "$out/"
cp "$font_licence" "$out/ipagp.ttf.LICENSE.txt"
echo "The page is in $out/: make serve-web, then open http://127.0.0.1:8020/"
