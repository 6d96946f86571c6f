#!/usr/bin/env bash
# Shows the interactive host with a chart in a real window under Xvfb and
# writes a screenshot of the screen: ./run screenshot [OUT.png]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=${1:-$ROOT/build/demo/host-window.png}
PRESET=${R8_WINE_PRESET:-win32}
PREFIX=$ROOT/build/$PRESET/wineprefix-x11
DISPLAY_NUMBER=:97
mkdir -p "$(dirname "$OUT")"

export WINEPREFIX=$PREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINE=wine
if [[ $PRESET == win64 ]]; then
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    WINE=/usr/lib/wine/wine64
else
    export WINEARCH=win32
fi
Xvfb "$DISPLAY_NUMBER" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    kill "$XVFB" >/dev/null 2>&1 || true
}
trap cleanup EXIT
export DISPLAY=$DISPLAY_NUMBER
sleep 1
# A prefix of its own with the X11 driver, so the headless test prefix stays as it is.
if [[ ! -f $PREFIX/.r8-ready ]]; then
    mkdir -p "$PREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
    wineserver -w
    touch "$PREFIX/.r8-ready"
fi
(cd "$ROOT/build/$PRESET/bin" && "$WINE" sfchost.exe "$ROOT/examples/filling-mixing.sfc" >/dev/null 2>&1) &
HOST=$!
sleep 8
import -display "$DISPLAY_NUMBER" -window root "$OUT"
kill "$HOST" >/dev/null 2>&1 || true
echo "screenshot: $OUT"
