#!/usr/bin/env bash
# Draws the program's icon, a six-four domino standing upright, with ImageMagick:
#   resources/icons/draw_icon.sh resources/icons/pipwick.png
set -euo pipefail
out=${1:-pipwick.png}
pips=()
pip() { pips+=(-draw "circle $1,$2 $(($1 + 3)),$2"); }
# Upper half: six pips in two columns; lower half: four in the corners.
for y in 9 17 25; do pip 24 "$y"; pip 40 "$y"; done
for y in 39 54; do pip 24 "$y"; pip 40 "$y"; done
convert -size 64x64 xc:none \
  -fill '#203040' -draw 'roundrectangle 13,0 51,63 8,8' \
  -fill '#fbf8ee' -draw 'roundrectangle 15,2 49,61 6,6' \
  -fill '#203040' -draw 'rectangle 18,31 46,32' \
  "${pips[@]}" \
  -fill '#c08a2a' -draw 'circle 32,31 34,31' \
  "$out"
