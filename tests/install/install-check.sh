#!/usr/bin/env bash
# install-check.sh install|headers|examples, with BUILD, SOURCE, WORK and CXX set by CTest.
#   install   installs BUILD into WORK/prefix
#   headers   compiles each installed header alone against the prefix
#   examples  builds both examples with find_package, render-frames again with pkg-config,
#             runs it and compares its pictures with the recorded pixel checksums
set -euo pipefail
prefix=$WORK/prefix

# ImageMagick's signature: SHA-256 of the pixels, whatever the PNG encoder made of them.
# The kernels are exact at every vector level, so one set holds on every x86-64 machine.
expected_frames="
frame-0.png 83ab1994d5c4fef78c8c551d9f5a224aeb8a640cb55b0c51acfcc967e364d4b2
frame-1.png 120e8e2f1910f7cceb88d7aea002588df63e7219e640788c03d658c23795c7a2
frame-2.png 527bcb4d2d53b9423cbdbf5172211597dd1107bf906c6128e9b3ad8d0e43efae
frame-3.png c65ab71b85d921ca569ccd781eef251da2873f5a5e58e477d6cb413221ee3020
frame-4.png acc6e170a907eb07c68d352c159ed00d141b3b6c68f81f528c5d46b77e6bee28
frame-5.png f071f936aad36382de208c78e265d699bc167deb900f637011e5d4a3e45f3de4
frame-6.png 094b81274c99d0dcc7cc6c067df23a76a37a3fdc60bbbc4eadf16d96de032ad0
frame-7.png 06bedc3783a21115e985267833c86836c121f8326e5a80415ade15ab1b3c8d26
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
    # One translation unit per header, two at a time; the names of those that fail.
    cd "$prefix/include"
    find vantrel -name '*.h' | sort >"$WORK/headers.txt"
    failures=$(xargs -P 2 -I{} sh -c '
        unit=$(mktemp "$1/alone.XXXXXX.cpp")
        echo "#include <{}>" >"$unit"
        "$2" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I"$3" "$unit" 2>"$unit.log" ||
            { echo "FAIL: <{}> does not compile alone against the prefix:"; head -n 5 "$unit.log"; }
        rm -f "$unit" "$unit.log"' _ "$WORK" "$CXX" "$prefix/include" <"$WORK/headers.txt")
    if [ -n "$failures" ]; then
        echo "$failures"
        exit 1
    fi
    echo "$(wc -l <"$WORK/headers.txt") installed headers compile alone"
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
