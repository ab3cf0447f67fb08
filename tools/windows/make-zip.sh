#!/usr/bin/env bash
# Packs the Windows download: the program, the scene's data files and README.txt (UTF-8
# with a byte-order mark and CRLF line ends, which every Notepad reads), all at the top of the zip, so that the folder it unpacks
# into is the one to start the program from.
# Usage: make-zip.sh PROGRAM.exe DATA_DIR OUT.zip
set -euo pipefail

exe=$(realpath "$1")
data=$(realpath "$2")
out=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)

stage=$(mktemp -d /tmp/vantrel-zip.XXXXXX)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/vantrel.exe"
# Every data file the generator wrote (not a half-written .part).
find "$data" -maxdepth 1 -type f ! -name '*.part' -exec cp {} "$stage/" \;
{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$here/download-readme.txt"; } > "$stage/README.txt"

rm -f "$out"
(cd "$stage" && cmake -E tar cf "$out" --format=zip -- *)
echo "$out: $(stat -c %s "$out") bytes"
