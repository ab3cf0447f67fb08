#!/usr/bin/env bash
# Builds zlib, libpng 1.6 and FreeType for WebAssembly from Debian's own source packages,
# twice: with -pthread for the threaded page and without for the single-threaded one.
# Emscripten's ports would download them; these come from the archive the machine uses.
# The results are kept in OUT/{threads,single}/{include,lib} and reused.
# Usage: build-deps.sh OUT
set -euo pipefail

out=$(realpath -m "$1")
if [ -f "$out/threads/lib/libfreetype.a" ] && [ -f "$out/single/lib/libfreetype.a" ]; then
    exit 0
fi

work="$out/src"
# Debian's patches (its fixes and FreeType's configuration) are applied.
"$(dirname "$0")/../debian-source.sh" "$work" zlib libpng1.6 freetype
cp "$work/libpng1.6/scripts/pnglibconf.h.prebuilt" "$work/libpng1.6/pnglibconf.h"

zlib_sources=(adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast
              inflate inftrees trees uncompr zutil)
png_sources=(png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset
             pngtrans pngwio pngwrite pngwtran pngwutil)
# FreeType's default module set, as Debian builds it.
ft_sources=(base/ftsystem base/ftinit base/ftdebug base/ftbase base/ftbbox base/ftbdf
            base/ftbitmap base/ftcid base/ftfstype base/ftgasp base/ftglyph base/ftgxval
            base/ftmm base/ftotval base/ftpatent base/ftpfr base/ftstroke base/ftsynth
            base/fttype1 base/ftwinfnt
            autofit/autofit truetype/truetype type1/type1 cff/cff cid/type1cid pfr/pfr
            type42/type42 winfonts/winfnt pcf/pcf bdf/bdf sfnt/sfnt psaux/psaux
            psnames/psnames pshinter/pshinter smooth/smooth raster/raster sdf/sdf svg/svg
            gzip/ftgzip lzw/ftlzw)

compile_all() { # flavour flags...
    local flavour=$1; shift
    local objects="$out/$flavour/obj"
    mkdir -p "$objects" "$out/$flavour/lib" "$out/$flavour/include/freetype2"
    local jobs=()
    for name in "${zlib_sources[@]}"; do
        jobs+=("$work/zlib/$name.c -I$work/zlib -DHAVE_UNISTD_H -DHAVE_STDARG_H -o $objects/z_$name.o")
    done
    for name in "${png_sources[@]}"; do
        jobs+=("$work/libpng1.6/$name.c -I$work/libpng1.6 -I$work/zlib -DPNG_INTEL_SSE_OPT=0 -o $objects/png_$name.o")
    done
    for name in "${ft_sources[@]}"; do
        # The smooth rasteriser flattens curves as on x86-64 (its SSE2 path, which
        # Emscripten builds from WebAssembly SIMD), so that glyphs get the same coverage.
        local extra=""
        [ "$name" = smooth/smooth ] && extra="-msimd128 -msse2"
        jobs+=("$work/freetype/src/$name.c $extra -I$work/freetype/include -I$work/zlib -DFT2_BUILD_LIBRARY -DFT_CONFIG_OPTION_SYSTEM_ZLIB -o $objects/ft_${name//\//_}.o")
    done
    printf '%s\n' "${jobs[@]}" | xargs -P 2 -I{} sh -c "emcc -O2 $* -c {}"
    rm -f "$out/$flavour/lib/"*.a
    emar rcs "$out/$flavour/lib/libz.a" "$objects"/z_*.o
    emar rcs "$out/$flavour/lib/libpng16.a" "$objects"/png_*.o
    emar rcs "$out/$flavour/lib/libfreetype.a" "$objects"/ft_*.o
    cp "$work/zlib/zlib.h" "$work/zlib/zconf.h" "$work/libpng1.6/png.h" \
       "$work/libpng1.6/pngconf.h" "$work/libpng1.6/pnglibconf.h" "$out/$flavour/include/"
    cp -r "$work/freetype/include/"* "$out/$flavour/include/freetype2/"
}

export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
compile_all single
compile_all threads -pthread
echo "zlib, libpng and FreeType for WebAssembly built in $out"
