#!/usr/bin/env bash
# Installs those of the Debian packages named as arguments that are missing: a machine that
# has them all does no network work (one dpkg-query call). Uses sudo when not root, and waits
# for another apt run that holds the locks instead of failing.
#   tools/install-packages.sh PACKAGE...
set -euo pipefail

installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "$@" 2>/dev/null || true)
missing=()
for package in "$@"; do
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
