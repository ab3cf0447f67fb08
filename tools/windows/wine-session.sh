#!/usr/bin/env bash
# Runs COMMAND inside a fresh Wine session and always ends it: a new WINEPREFIX in a
# temporary folder, a 1920 x 1080 Xvfb, the Japanese locale (Wine draws the menu's texts
# only there), the read-out face mapped to IPAPGothic, an ALSA null device as the default
# sound output, and no crash dialog or debugger (a crashing program ends at once).
# At the end the wineserver is killed and Xvfb stopped by its pid.
# Usage: wine-session.sh COMMAND [ARGUMENTS...]
set -euo pipefail

session=$(mktemp -d /tmp/vantrel-wine.XXXXXX)
xvfb_pid=""
finish() {
    WINEPREFIX="$session/prefix" timeout 20 wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$session"
}
trap finish EXIT

export WINEPREFIX="$session/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export HOME="$session/home"
mkdir -p "$HOME"
printf 'pcm.!default { type null }\n' > "$HOME/.asoundrc"
# The tests that need a machine without any sound device drop it with this.
export VANTREL_NO_SOUND_HOME="$session/silent-home"
mkdir -p "$VANTREL_NO_SOUND_HOME"
printf 'pcm.!default { type hw card 99 }\nctl.!default { type hw card 99 }\n' > "$VANTREL_NO_SOUND_HOME/.asoundrc"

exec 3>"$session/display"
Xvfb -screen 0 "${VANTREL_XVFB_SCREEN:-1920x1080x24}" -nolisten tcp -displayfd 3 >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$session/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$session/display")"

wine_call() {
    timeout --kill-after=10 120 "$@" >"$session/setup.log" 2>&1 || {
        echo "wine-session.sh: '$*' failed" >&2
        tail -n 20 "$session/setup.log" >&2
        return 1
    }
}
wine_call wineboot -i
wine_call wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
wine_call wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f
wine_call wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1 /f
wine_call wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f
wine_call wineserver -w

"$@"
