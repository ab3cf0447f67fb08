#!/usr/bin/env bash
# Runs one Windows program under Wine inside the session that tools/windows/wine-session.sh
# prepared (its WINEPREFIX, DISPLAY and HOME), with a time limit: a program that crashes
# would otherwise wait for a debugger for ever.
# --no-sound-device runs it as on a machine without any sound device.
# Usage: wine-run.sh [--no-sound-device] PROGRAM.exe [ARGUMENTS...]
set -euo pipefail

if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: no Wine session (run through make test-windows)" >&2
    exit 2
fi
if [ "${1:-}" = "--no-sound-device" ]; then
    shift
    export HOME="$VANTREL_NO_SOUND_HOME" VANTREL_SOUND_DEVICE=none
fi
exec timeout --kill-after=10 "${VANTREL_WINE_TIMEOUT:-300}" wine "$@"
