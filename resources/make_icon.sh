#!/bin/sh
# Draws the program icon (an open book on a blue ground) at 32x32 and 16x16,
# and the same drawing again at 20, 24 and 48 pixels for the small icon at
# 125 and 150 percent and the large one at 150 percent (larger sizes would
# weigh on the exe more than they show), and writes resources/varidel.ico.
# Needs ImageMagick. The icon is committed; run this only to change it.
set -e
cd "$(dirname "$0")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

convert -size 32x32 xc:none \
  -fill '#1f4e9c' -stroke '#0d2a5c' -draw 'roundrectangle 1,3 30,28 4,4' \
  -fill '#fdf8e4' -stroke '#8a7a4a' -draw 'polygon 5,8 15,6 15,25 5,26' \
  -fill '#fdf8e4' -stroke '#8a7a4a' -draw 'polygon 16,6 26,8 26,26 16,25' \
  -stroke '#6d6d6d' -draw 'line 7,11 13,10' -draw 'line 7,14 13,13' -draw 'line 7,17 13,16' \
  -draw 'line 18,10 24,11' -draw 'line 18,13 24,14' -draw 'line 18,16 24,17' \
  -stroke '#c8a22a' -draw 'line 15,6 15,26' \
  -define icon:auto-resize=32,16 "$work/base.ico"

# The drawing above on a grid of 32, at $1 pixels.
draw() {
  f=$(awk "BEGIN { print $1 / 32 }")
  convert -size "$1x$1" xc:none \
    -draw "scale $f,$f fill '#1f4e9c' stroke '#0d2a5c' roundrectangle 1,3 30,28 4,4" \
    -draw "scale $f,$f fill '#fdf8e4' stroke '#8a7a4a' polygon 5,8 15,6 15,25 5,26" \
    -draw "scale $f,$f fill '#fdf8e4' stroke '#8a7a4a' polygon 16,6 26,8 26,26 16,25" \
    -draw "scale $f,$f stroke '#6d6d6d' line 7,11 13,10 line 7,14 13,13 line 7,17 13,16
           line 18,10 24,11 line 18,13 24,14 line 18,16 24,17" \
    -draw "scale $f,$f stroke '#c8a22a' line 15,6 15,26" \
    "$work/$1.png"
}
for size in 20 24 48; do draw "$size"; done
convert "$work/base.ico" "$work/20.png" "$work/24.png" "$work/48.png" varidel.ico
