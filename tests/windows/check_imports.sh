#!/usr/bin/env bash
# The program imports system DLLs only: the C++ runtime, libgcc, winpthread, libpng and zlib
# are linked in, so the exe runs on a bare Windows.
# Usage: check_imports.sh PROGRAM.exe
set -euo pipefail

allowed=' kernel32.dll user32.dll gdi32.dll msvcrt.dll ntdll.dll ole32.dll pdh.dll winmm.dll '
imports=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
echo "imports:" $imports
[ -n "$imports" ] || { echo "no import table read" >&2; exit 1; }
status=0
for dll in $imports; do
    if [[ "$allowed" != *" $dll "* ]]; then
        echo "not a system DLL: $dll" >&2
        status=1
    fi
done
exit $status
