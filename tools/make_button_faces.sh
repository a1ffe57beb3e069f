#!/usr/bin/env bash
# Draws the two 98 x 23 faces of the add/edit window's buttons into src/forms/.
# Corners outside the rounded outline are transparent, so the window's colour shows there.
set -euo pipefail
out="${1:-$(cd "$(dirname "$0")/.." && pwd)/src/forms}"

face() {  # outline colour, gradient top, gradient bottom, file
  convert +antialias -size 98x23 "gradient:$2-$3" \
    \( -size 98x23 xc:black -fill white -draw 'roundrectangle 0,0 97,22 4,4' \) \
    -alpha off -compose CopyOpacity -composite \
    -fill none -stroke "$1" -strokewidth 1 -draw 'roundrectangle 0,0 97,22 4,4' \
    +dither -colors 64 -strip "$4"
}

face 'rgb(112,112,112)' '#F6F6F6' '#D4D4D4' "$out/button_normal.gif"
face 'rgb(0,186,255)' '#FFFFFF' '#E6F2F8' "$out/button_hover.gif"
