#!/bin/sh
# Runs a command under wine with no fonts but those in the folders given (and
# the Marlett every prefix here holds), in a wine prefix of its own under
# build/. The Windows-side and end-to-end tests must pass whatever face wine
# then maps the reader's default font to. A set needs a text face (DejaVu,
# Liberation): with only its own fonts, or only the URW fonts, wine maps the
# default face to a symbol font and nothing is readable. The printing tests
# count pages, so they need the Liberation fonts (which wine recommends and
# scripts/deps.sh installs): without them wine's printer driver may take
# DejaVu's math face, whose lines are twice as tall, even for Tahoma.
#   scripts/with-fonts.sh FOLDER... -- COMMAND [ARGS...]
# For example, with only the DejaVu fonts:
#   scripts/with-fonts.sh /usr/share/fonts/truetype/dejavu -- ctest --test-dir build/win64
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
folders=""
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  [ -d "$1" ] || { echo "with-fonts.sh: $1 is not a folder" >&2; exit 2; }
  folders="$folders $(cd "$1" && pwd)"
  shift
done
[ "$1" = "--" ] && [ $# -gt 1 ] || { echo "usage: scripts/with-fonts.sh FOLDER... -- COMMAND [ARGS...]" >&2; exit 2; }
shift

# Wine keeps what it learnt of the fonts in its prefix: one prefix per set.
set_name="fonts-$(echo "$folders" | cksum | cut -d' ' -f1)"
work="$ROOT/build/$set_name"
mkdir -p "$work/cache"
{
  echo '<?xml version="1.0"?>'
  echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
  echo '<fontconfig>'
  for folder in $folders; do echo "  <dir>$folder</dir>"; done
  echo "  <cachedir>$work/cache</cachedir>"
  echo '</fontconfig>'
} >"$work/fonts.conf"
export FONTCONFIG_FILE="$work/fonts.conf"
export VARIDEL_WINEPREFIX="$work/wineprefix"
exec "$ROOT/scripts/with-wine.sh" "$@"
