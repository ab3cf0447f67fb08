#!/usr/bin/env bash
# Installs what the browser build and its tests need, only what is missing: Emscripten,
# Chromium (headless, for the page's tests), Node.js (the kernel tests), the font the page
# ships, GoogleTest's sources and the tools that fetch and unpack Debian source packages.
set -euo pipefail

packages=(
    emscripten nodejs node-acorn chromium
    fonts-ipafont-gothic googletest dpkg-dev python3 cmake ninja-build
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
apt_get=(apt-get -o DPkg::Lock::Timeout=600)
"${sudo_cmd[@]}" "${apt_get[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" "${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
