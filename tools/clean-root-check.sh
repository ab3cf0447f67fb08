#!/usr/bin/env bash
# Proves that the README's commands work on a fresh machine: builds a minimal Debian 12 root
# with debootstrap in a temporary folder, copies a clean clone of this repository's current
# commit into it, and runs `make run` and `make test` there as root (the only package given
# beforehand is `make` itself). Slow (a full package install and build): not part of CI.
#   tools/clean-root-check.sh [MIRROR]
# With --package, installs the .deb from FOLDER (make package) into the fresh root instead,
# with a compiler and CMake, and builds both examples against it as a user would
# (`make test-package`):
#   tools/clean-root-check.sh --package FOLDER [MIRROR]
# Needs root. Keeps nothing: the mounts and the folder go whatever the outcome.
set -euo pipefail
package_dir=
if [ "${1:-}" = "--package" ]; then
    package_dir=$(realpath "$2")
    shift 2
fi
mirror=${1:-http://deb.debian.org/debian}
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse HEAD)

[ "$(id -u)" -eq 0 ] || { echo "clean-root-check: run as root" >&2; exit 2; }
if ! command -v debootstrap >/dev/null; then
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq debootstrap
fi

root=$(mktemp -d /var/tmp/vantrel-root.XXXXXX)
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; --i)); do
        umount -l "${mounted[i]}" 2>/dev/null || true
    done
    # never delete through a mount that is still there
    if ! grep -q " $root/" /proc/mounts; then
        rm -rf --one-file-system "$root"
    else
        echo "clean-root-check: $root still has mounts, left in place" >&2
    fi
}
trap cleanup EXIT

bind() {
    mkdir -p "$root$1"
    mount "${@:2}" "$root$1"
    mounted+=("$root$1")
}

echo "== debootstrap bookworm into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log" >&2; rm -f "$root.debootstrap.log"; exit 1; }
rm -f "$root.debootstrap.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"

echo "== clean clone of $commit"
git clone -q --no-hardlinks "$repo" "$root/root/vantrel"
git -C "$root/root/vantrel" checkout -q "$commit"

bind /proc -t proc proc
bind /sys -t sysfs sysfs
bind /dev --bind /dev
bind /dev/pts --bind /dev/pts
bind /dev/shm -t tmpfs tmpfs

inside() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb \
        LANG=C.UTF-8 bash -c "$1"
}

if [ -n "$package_dir" ]; then
    deb=$(ls "$package_dir"/vantrel_*.deb | tail -n 1)
    cp "$deb" "$root/root/"
    echo "== apt-get install $(basename "$deb") g++ cmake ninja-build"
    status=0
    inside "apt-get -o DPkg::Lock::Timeout=600 update -qq &&
            DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
                /root/$(basename "$deb") g++ cmake ninja-build >/dev/null" || status=$?
    if [ "$status" -eq 0 ]; then
        echo "== build examples/hello and examples/render-frames against /usr"
        inside 'set -e
            for example in hello render-frames; do
                cmake -S /root/vantrel/examples/$example -B /tmp/$example -G Ninja >/dev/null
                cmake --build /tmp/$example
            done
            c++ -std=c++20 -o /tmp/render-frames-pc /root/vantrel/examples/render-frames/main.cpp \
                $(pkg-config --cflags --libs vantrel)
            mkdir -p /tmp/frames && /tmp/render-frames-pc /tmp/frames
            vantrel-bench --version' || status=$?
    fi
    [ "$status" -eq 0 ] && echo "CLEAN ROOT PACKAGE: PASS" || echo "CLEAN ROOT PACKAGE: FAIL"
    exit "$status"
fi

echo "== apt-get install make"
inside 'apt-get -o DPkg::Lock::Timeout=600 update -qq &&
        DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq make >/dev/null'

status=0
echo "== make run"
inside 'cd /root/vantrel && make run' || status=$?
echo "make run: exit $status"
if [ "$status" -eq 0 ]; then
    echo "== make test"
    inside 'cd /root/vantrel && make test' || status=$?
    echo "make test: exit $status"
fi
[ "$status" -eq 0 ] && echo "CLEAN ROOT: PASS" || echo "CLEAN ROOT: FAIL"
exit "$status"
