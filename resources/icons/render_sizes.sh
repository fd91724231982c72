#!/usr/bin/env bash
# Renders the scalable icon at the theme's sizes, with rsvg-convert (librsvg2-bin):
#   resources/icons/render_sizes.sh
# The 64-pixel icon is pipwick.png itself, drawn by draw_icon.sh pixel for pixel.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" pipwick.svg -o "hicolor/${size}x${size}/apps/pipwick.png"
done
