#!/usr/bin/env bash
# Draws the splash window's background picture (1024 x 768 JPEG) with ImageMagick and writes it to
# src/forms/splash.jpg, from where the resource script embeds it. Run again after changing it.
set -euo pipefail
out="${1:-$(cd "$(dirname "$0")/.." && pwd)/src/forms/splash.jpg}"

convert -size 1024x768 gradient:'#0b2a4a-#1d6fa3' \
  \( -size 1024x768 radial-gradient:'#ffffff66-#00000000' -geometry +0+0 \) -compose screen -composite \
  -fill none -stroke '#ffffff30' -strokewidth 3 \
  -draw "circle 780,250 780,90" -draw "circle 820,300 820,60" -draw "circle 860,350 860,30" \
  -stroke '#ffffff20' -strokewidth 2 \
  -draw "line 0,620 1024,470" -draw "line 0,660 1024,510" -draw "line 0,700 1024,550" \
  -stroke none -fill '#ffffff18' \
  -draw "roundrectangle 60,170 560,360 24,24" \
  -fill '#ffffff10' -draw "polygon 0,768 1024,600 1024,768" \
  -attenuate 0.25 +noise Gaussian \
  -sampling-factor 4:2:0 -quality 92 -strip "$out"
identify "$out"
