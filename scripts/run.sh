#!/bin/sh
# Starts the built Varidel.exe. On Windows (or with a display) it simply runs;
# without a display it runs on a private Xvfb, saves a screenshot of the
# window to build/varidel.png and closes the program.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
EXE="$ROOT/build/win64/Varidel.exe"
case "$(uname -s)" in
  MINGW*|MSYS*|CYGWIN*) exec "$EXE" ;;
esac
if [ -n "$DISPLAY" ]; then
  exec "$ROOT/scripts/with-wine.sh" wine "$EXE"
fi
exec "$ROOT/scripts/with-wine.sh" "$ROOT/scripts/screenshot.sh" "$EXE" "$ROOT/build/varidel.png"
