#!/bin/sh
# Dibuja los iconos PNG con ImageMagick (mismo dibujo que puntocruz.svg, a 256 píxeles) y los
# reduce a cada tamaño. Se ejecuta a mano si cambia el dibujo; los PNG quedan en el repositorio.
set -e
cd "$(dirname "$0")"
f=4
cruces=""
cruz() { # x y color (en coordenadas de 64)
  x=$(($1 * f)); y=$(($2 * f)); d=$((6 * f))
  cruces="$cruces stroke $3 line $x,$y $((x + d)),$((y + d)) line $((x + d)),$y $x,$((y + d))"
}
cruz 16 16 '#c0392b'; cruz 26 16 '#c0392b'; cruz 36 26 '#c0392b'
cruz 16 26 '#e67e22'; cruz 26 26 '#e67e22'
cruz 26 36 '#27ae60'; cruz 36 36 '#27ae60'; cruz 46 36 '#27ae60'
cruz 36 46 '#2471a3'; cruz 46 46 '#2471a3'; cruz 46 16 '#8e44ad'
rejilla=""
for v in 14 24 34 44 54; do
  rejilla="$rejilla line $((v * f)),$((6 * f)) $((v * f)),$((58 * f)) line $((6 * f)),$((v * f)) $((58 * f)),$((v * f))"
done
convert -size 256x256 xc:none \
  -fill '#f7f1e1' -stroke '#8a7a5a' -strokewidth 8 -draw "roundrectangle 12,12 244,244 28,28" \
  -fill none -stroke '#d8cfb6' -strokewidth 4 -draw "$rejilla" \
  -strokewidth 13 -draw "stroke-linecap round $cruces" \
  puntocruz-256.png
for t in 16 24 32 48 64 128; do
  convert puntocruz-256.png -resize ${t}x${t} puntocruz-$t.png
done
