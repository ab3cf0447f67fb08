#!/usr/bin/env bash
# Cross-builds libpng 1.6 as a static library for 64-bit Windows from Debian's own source
# package, once: the result is kept in OUT (include/ and lib/libpng16.a) and reused.
# Usage: build-libpng.sh OUT
set -euo pipefail

out=$(realpath -m "$1")
if [ -f "$out/lib/libpng16.a" ] && [ -f "$out/include/png.h" ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
work="$out/src"
rm -rf "$work/libpng"
mkdir -p "$work"

# The source package comes from the archive the machine already uses, through a deb-src
# entry that exists only for this download.
if ! ls "$work"/libpng1.6_*.dsc >/dev/null 2>&1; then
    sources=/etc/apt/sources.list.d/vantrel-libpng-src.sources
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cleanup() {
        "${sudo_cmd[@]}" rm -f "$sources"
        "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq || true
    }
    trap cleanup EXIT
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$suite" | "${sudo_cmd[@]}" tee "$sources" >/dev/null
    "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
    (cd "$work" && apt-get source --download-only libpng1.6)
    cleanup
    trap - EXIT
fi

# Debian's patches (its security fixes) are applied.
(cd "$work" && dpkg-source -x libpng1.6_*.dsc libpng >/dev/null)
src="$work/libpng"
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
