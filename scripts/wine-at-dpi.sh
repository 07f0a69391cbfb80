#!/bin/sh
# Runs a Windows program under wine with the screen at DPI pixels per inch,
# in a prefix of its own (build/wineprefix-scaled) on a display of its own,
# so that the other tests keep 96.
#   scripts/wine-at-dpi.sh DPI PROGRAM.exe [ARGS...]
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export VARIDEL_LOGPIXELS="$1"
shift
export VARIDEL_WINEPREFIX="$ROOT/build/wineprefix-scaled"
unset DISPLAY WINEPREFIX
exec "$ROOT/scripts/with-wine.sh" wine "$@"
