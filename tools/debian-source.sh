#!/usr/bin/env bash
# Unpacks Debian's own source packages, with Debian's patches applied, into WORK/PACKAGE.
# They come from the archive the machine already uses, through a deb-src entry that exists
# only for the download; the downloaded files stay in WORK and are reused.
# Usage: debian-source.sh WORK PACKAGE...
set -euo pipefail

work=$(realpath -m "$1")
shift
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
mkdir -p "$work"

missing=()
for package in "$@"; do
    ls "$work/${package}"_*.dsc >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sources=/etc/apt/sources.list.d/vantrel-src-$$.sources
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cleanup() {
        "${sudo_cmd[@]}" rm -f "$sources"
        "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq || true
    }
    trap cleanup EXIT
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$suite" | "${sudo_cmd[@]}" tee "$sources" >/dev/null
    "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
    (cd "$work" && apt-get source --download-only "${missing[@]}")
    cleanup
    trap - EXIT
fi

for package in "$@"; do
    rm -rf "${work:?}/$package"
    (cd "$work" && dpkg-source -x "$package"_*.dsc "$package" >/dev/null)
done
