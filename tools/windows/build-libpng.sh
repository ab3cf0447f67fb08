#!/usr/bin/env bash
# Cross-builds libpng 1.6 as a static library for 64-bit Windows from Debian's own source
# package, once: the result is kept in OUT (include/ and lib/libpng16.a) and reused.
# Usage: build-libpng.sh OUT
set -euo pipefail

out=$(realpath -m "$1")
if [ -f "$out/lib/libpng16.a" ] && [ -f "$out/include/png.h" ]; then
    exit 0
fi

work="$out/src"
# Debian's patches (its security fixes) are applied.
"$(dirname "$0")/../debian-source.sh" "$work" libpng1.6
src="$work/libpng1.6"
cp "$src/scripts/pnglibconf.h.prebuilt" "$src/pnglibconf.h"

cc=x86_64-w64-mingw32-gcc-posix
objects=()
for name in png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset \
            pngtrans pngwio pngwrite pngwtran pngwutil; do
    "$cc" -O2 -c "$src/$name.c" -I"$src" -DPNG_INTEL_SSE_OPT=0 -o "$work/$name.o"
    objects+=("$work/$name.o")
done
mkdir -p "$out/lib" "$out/include"
rm -f "$out/lib/libpng16.a"
x86_64-w64-mingw32-ar rcs "$out/lib/libpng16.a" "${objects[@]}"
cp "$src/png.h" "$src/pngconf.h" "$src/pnglibconf.h" "$out/include/"
echo "libpng $(grep -m1 'define PNG_LIBPNG_VER_STRING' "$src/png.h" | cut -d'"' -f2) built in $out"
