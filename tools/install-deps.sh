#!/usr/bin/env bash
# Installs the Debian packages Vantrel needs, only those that are missing:
# a machine that has them all does no network work (one dpkg-query call).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config make
    libgtest-dev libgmock-dev libbenchmark-dev
    libsdl2-dev libx11-dev libfreetype-dev libfontconfig-dev libpng-dev zlib1g-dev
    fonts-ipafont-gothic
    # the API reference (make docs)
    doxygen
    # the window tests: a private X server, input and screenshots, and the core X fonts
    # that X11 clients such as xwininfo fall back on
    xvfb xfonts-base xdotool x11-utils imagemagick
)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
