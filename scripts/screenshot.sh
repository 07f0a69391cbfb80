#!/bin/sh
# Inside scripts/with-wine.sh: starts Varidel.exe, waits for its window,
# saves a screenshot of the window to the PNG given and closes the program.
#   scripts/screenshot.sh VARIDEL_EXE OUT_PNG
set -e
EXE="$1"
OUT="$2"
wine "$EXE" &
APP=$!
tries=0
until xwininfo -root -tree 2>/dev/null | grep -q '"Varidel"'; do
  tries=$((tries + 1))
  [ "$tries" -gt 400 ] && { echo "Varidel's window did not appear" >&2; kill "$APP"; exit 1; }
  sleep 0.05
done
# Give the window time to finish its first paint.
sleep 1
WINDOW=$(xwininfo -name Varidel | awk '/Window id:/ {print $4}')
import -window "${WINDOW:-root}" "$OUT"
wine "$(dirname "$0")/../build/win64/close_varidel.exe" >/dev/null 2>&1 || kill "$APP"
wait "$APP" || true
echo "Screenshot of Varidel: $OUT"
