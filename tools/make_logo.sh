#!/bin/sh
# Draws the product logo, logo.jpg at the repository root: a shield with
# "GSM", the signal bars of the radio link and the word "ОХРАНА".
# Needs ImageMagick. Run from anywhere: tools/make_logo.sh
set -e
out="$(dirname "$0")/../logo.jpg"
font=DejaVu-Sans-Bold
convert -size 306x186 xc:'#f4f6fa' \
  -fill '#1d3f73' -stroke '#0d2547' -strokewidth 3 \
  -draw "path 'M 70,14 L 126,26 L 126,86 Q 126,140 70,172 Q 14,140 14,86 L 14,26 Z'" \
  -fill '#2f6fbf' -stroke none \
  -draw "path 'M 70,24 L 116,34 L 116,86 Q 116,132 70,160 Z'" \
  -fill white -font "$font" -pointsize 30 -annotate +33+100 'GSM' \
  -fill '#ffcc33' \
  -draw "rectangle 44,132 52,140" -draw "rectangle 58,124 66,140" \
  -draw "rectangle 72,116 80,140" -draw "rectangle 86,108 94,140" \
  -fill '#1d3f73' -font "$font" -pointsize 30 -annotate +142+78 'ОХРАНА' \
  -fill '#2f6fbf' -font DejaVu-Sans -pointsize 17 -annotate +144+106 'сигнализация' \
  -stroke '#ffcc33' -strokewidth 4 -draw "line 144,122 292,122" \
  -stroke none -fill '#5a6b80' -font DejaVu-Sans -pointsize 14 -annotate +144+148 'конфигуратор' \
  -quality 92 "$out"
echo "$out"
