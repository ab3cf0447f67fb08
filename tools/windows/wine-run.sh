#!/usr/bin/env bash
# Runs one Windows program under Wine inside the session that tools/windows/wine-session.sh
# prepared (its WINEPREFIX, DISPLAY and HOME), with a time limit: a program that crashes
# would otherwise wait for a debugger for ever.
# --no-sound-device runs it as on a machine without any sound device; --without-xaudio2-7
# as on a stock Windows 10, where only the system's XAudio2 2.9 exists.
# Usage: wine-run.sh [--no-sound-device | --without-xaudio2-7] PROGRAM.exe [ARGUMENTS...]
set -euo pipefail

if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: no Wine session (run through make test-windows)" >&2
    exit 2
fi
if [ "${1:-}" = "--no-sound-device" ]; then
    shift
    export HOME="$VANTREL_NO_SOUND_HOME" VANTREL_SOUND_DEVICE=none
elif [ "${1:-}" = "--without-xaudio2-7" ]; then
    shift
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};xaudio2_7=d" VANTREL_EXPECT_XAUDIO2=2.9
fi
exec timeout --kill-after=10 "${VANTREL_WINE_TIMEOUT:-300}" wine "$@"
