#!/usr/bin/env bash
# install-check.sh install|headers|examples, with BUILD, SOURCE, WORK and CXX set by CTest.
#   install   installs BUILD into WORK/prefix
#   headers   compiles each installed header alone against the prefix
#   examples  builds both examples with find_package, render-frames again with pkg-config,
#             runs it and compares its pictures with the recorded pixel checksums
set -euo pipefail
prefix=$WORK/prefix

# ImageMagick's signature: SHA-256 of the pixels, whatever the PNG encoder made of them.
expected_frames="
frame-0.png @FRAME0@
"

case $1 in
install)
    rm -rf "$WORK"
    mkdir -p "$WORK"
    cmake --install "$BUILD" --prefix "$prefix" >"$WORK/install.log"
    "$prefix/bin/vantrel-bench" --version | grep -qx "vantrel-bench 0.3.0"
    test -f "$prefix/share/vantrel/load.gra"
    ;;
headers)
    cd "$prefix/include"
    count=0
    failed=0
    while IFS= read -r header; do
        echo "#include <$header>" >"$WORK/alone.cpp"
        if ! "$CXX" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I"$prefix/include" \
            "$WORK/alone.cpp" 2>"$WORK/alone.log"; then
            echo "FAIL: <$header> does not compile alone against the prefix:"
            head -n 5 "$WORK/alone.log"
            failed=$((failed + 1))
        fi
        count=$((count + 1))
    done < <(find vantrel -name '*.h' | sort)
    echo "$((count - failed)) of $count installed headers compile alone"
    [ "$failed" -eq 0 ]
    ;;
examples)
    export CMAKE_PREFIX_PATH=
    for example in render-frames hello; do
        [ -d "$SOURCE/examples/$example" ] || continue
        cmake -S "$SOURCE/examples/$example" -B "$WORK/$example" -G Ninja \
            -DCMAKE_CXX_COMPILER="$CXX" -DCMAKE_PREFIX_PATH="$prefix" >"$WORK/$example.log"
        cmake --build "$WORK/$example" >>"$WORK/$example.log"
    done
    # The one-line build a Makefile user writes.
    mkdir -p "$WORK/pkg-config"
    (
        export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
        "$CXX" -std=c++20 -O2 -o "$WORK/pkg-config/render-frames" \
            "$SOURCE/examples/render-frames/main.cpp" $(pkg-config --cflags --libs vantrel)
    )
    for program in "$WORK/render-frames/render-frames" "$WORK/pkg-config/render-frames"; do
        out=$(dirname "$program")/frames
        mkdir -p "$out"
        "$program" "$out" >/dev/null
        actual=$(cd "$out" && for f in frame-*.png; do echo "$f $(identify -format '%#' "$f")"; done)
        if [ "$actual" != "$(echo "$expected_frames" | sed '/^$/d')" ]; then
            echo "FAIL: $program drew other pictures than the recorded ones:"
            echo "$actual"
            exit 1
        fi
    done
    echo "examples built; render-frames drew the recorded frames twice"
    ;;
*)
    echo "usage: $0 install|headers|examples" >&2
    exit 2
    ;;
esac
