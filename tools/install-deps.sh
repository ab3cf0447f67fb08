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

installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for package in "${packages[@]}"; do
    if ! grep -qx "$package installed" <<<"$installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
# another apt run may hold the locks for a while: wait for it instead of failing
apt_get=(apt-get -o DPkg::Lock::Timeout=600)
"${sudo_cmd[@]}" "${apt_get[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" "${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
