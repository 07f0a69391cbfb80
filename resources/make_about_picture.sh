#!/bin/sh
# Draws the About box's picture, resources/about.bmp: a monochrome 65x72
# image of a crescent moon and two stars over an open book whose pages carry
# lines of text, for a book of lessons read by the Hebrew calendar. It is
# drawn eight times larger on a 65x72 grid of coordinates, then reduced and
# cut to black and white, so that curves come out clean. The pages' thickness
# is drawn first, as a closed shape whose inner edges the pages then cover.
# The same drawing reduced to 98x108 and 130x144 gives about150.bmp and
# about200.bmp, for screens at 150 and 200 percent. Needs ImageMagick.
# The bitmaps are committed; run this only to change them.
set -e
cd "$(dirname "$0")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Five lines of text on a page, each following the curve of the page's top
# edge: from x $1, y $2 + 7 over x $3 to x $4, y $5 + 7, then 4 lower each.
lines() {
  for drop in 7 11 15 19 23; do
    printf "path 'M %s,%s Q %s,%s %s,%s' " "$1" $(($2 + drop)) "$3" $((34 + drop)) "$4" $(($5 + drop))
  done
}

convert -size 520x576 xc:white \
  -draw "scale 8,8 fill black circle 32,17 32,4 fill white circle 37.5,14 37.5,3" \
  -draw "scale 8,8 fill black rectangle 50.5,5 51.5,13 rectangle 47,8.5 55,9.5
         rectangle 12.5,7.5 13.5,11.5 rectangle 11,9 15,10" \
  -draw "scale 8,8 fill white stroke black stroke-width 1.2
         path 'M 0.8,39 L 0.8,66 Q 18,61 32,70 Q 46,61 63.2,66 L 63.2,39 L 32,60 Z'
         path 'M 32,41 Q 18,32 3,37 L 3,63 Q 18,58 32,67 Z'
         path 'M 32,41 Q 46,32 61,37 L 61,63 Q 46,58 32,67 Z'" \
  -draw "scale 8,8 fill none stroke black stroke-width 1 $(lines 7 32 18 28 36) $(lines 36 36 46 57 32)" \
  "$work/drawing.png"

# Reduces the drawing to $1 and writes it as $2 in black and white.
reduce() {
  convert "$work/drawing.png" -filter box -resize "$1" -threshold 60% -type Bilevel -colors 2 "BMP3:$2"
}
reduce 65x72 about.bmp
reduce 98x108 about150.bmp
reduce 130x144 about200.bmp
