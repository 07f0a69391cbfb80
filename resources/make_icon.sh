#!/bin/sh
# Draws the program icon (an open book on a blue ground) at 32x32 and 16x16
# and writes resources/varidel.ico. Needs ImageMagick. The icon is committed;
# run this only to change it.
set -e
cd "$(dirname "$0")"
convert -size 32x32 xc:none \
  -fill '#1f4e9c' -stroke '#0d2a5c' -draw 'roundrectangle 1,3 30,28 4,4' \
  -fill '#fdf8e4' -stroke '#8a7a4a' -draw 'polygon 5,8 15,6 15,25 5,26' \
  -fill '#fdf8e4' -stroke '#8a7a4a' -draw 'polygon 16,6 26,8 26,26 16,25' \
  -stroke '#6d6d6d' -draw 'line 7,11 13,10' -draw 'line 7,14 13,13' -draw 'line 7,17 13,16' \
  -draw 'line 18,10 24,11' -draw 'line 18,13 24,14' -draw 'line 18,16 24,17' \
  -stroke '#c8a22a' -draw 'line 15,6 15,26' \
  -define icon:auto-resize=32,16 varidel.ico
