#!/usr/bin/env bash
# Installs what the browser build and its tests need, only what is missing: Emscripten,
# Chromium (headless, for the page's tests), Node.js (the kernel tests), the font the page
# ships, GoogleTest's sources and the tools that fetch and unpack Debian source packages.
set -euo pipefail

packages=(
    emscripten nodejs node-acorn chromium
    fonts-ipafont-gothic googletest dpkg-dev python3 cmake ninja-build
)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
