#!/usr/bin/env bash
# Installs what the Windows build and its tests under Wine need, only what is missing:
# the mingw-w64 cross compiler (POSIX threads), its zlib, Wine, an X server without a
# display, the Japanese locale and font, and the tools the window tests drive it with.
set -euo pipefail

packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev
    wine wine64 libfaudio0
    xvfb xdotool x11-utils imagemagick
    locales fonts-ipafont-gothic
    dpkg-dev googletest
)

"$(dirname "$0")/install-packages.sh" "${packages[@]}"

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

# Wine draws the Japanese menu only in a Japanese locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
