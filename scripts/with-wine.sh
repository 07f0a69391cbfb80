#!/bin/sh
# Runs a command with a private wine prefix under build/, a persistent
# wineserver and, when there is no display, a private Xvfb; cleans up after.
# With VARIDEL_LOGPIXELS set, the prefix's screen has that many pixels per
# inch from this start on.
#   scripts/with-wine.sh COMMAND [ARGS...]
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${VARIDEL_WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG=-all
# No Mono or Gecko prompts; a program that faults ends instead of waiting in
# the debugger.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

XVFB_PID=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

if [ -z "$DISPLAY" ]; then
  display=99
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
  done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$display"
  tries=0
  until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -gt 200 ] && { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
  done
fi

if [ ! -f "$WINEPREFIX/.varidel-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # A virtual desktop gives windows a frame and caption; Marlett draws the
  # caption buttons.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  touch "$WINEPREFIX/.varidel-ready"
fi

if [ -n "$VARIDEL_LOGPIXELS" ]; then
  # Wine reads the resolution when its server starts.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$VARIDEL_LOGPIXELS" /f \
    >/dev/null 2>&1
  wineserver -w
fi

wineserver -p
# Start wine's own services now, detached from our output: started by a test
# they would inherit its pipes and keep CTest waiting after the test ended.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
"$@"
