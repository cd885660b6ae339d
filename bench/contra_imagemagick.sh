#!/bin/bash
# Procesos enteros frente a ImageMagick, con la misma foto de 4000 x 3000 (la de paisaje de
# bench/datos ampliada, en BMP de 24 bits) y la paleta DMC en una imagen de 1 punto por hilo:
#   convert FOTO.bmp -sample 700x700! +dither -remap dmc.png salida.bmp
# frente a "puntocruz-lote generar" a 700 x 700, a 10 x 10 (leer la foto y muestrearla) y
# --fiel a 700 x 700. Escribe la mediana del tiempo de reloj de N vueltas de cada uno (tras una
# de calentamiento) y las proporciones. Los ficheros van a una carpeta temporal.
#
#   bench/contra_imagemagick.sh [build/puntocruz-lote] [vueltas]    (PC_HILOS=N limita los hilos)
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
lote=$(realpath "${1:-$raiz/build/puntocruz-lote}")
vueltas=${2:-9}
tmp=${TMPDIR:-/tmp}/pc_contra_imagemagick
mkdir -p "$tmp"
# El convert de ImageMagick (el de /usr/bin, no otro que vaya antes en el PATH).
convert=/usr/bin/convert
[ -x "$convert" ] || convert=$(command -v convert)

foto=$tmp/foto.bmp
[ -f "$foto" ] || "$convert" "$raiz/bench/datos/rocket.jpg" -resize '4000x3000!' -type TrueColor "BMP3:$foto"
if [ ! -f "$tmp/dmc.png" ]; then
    # Los hilos del catálogo DMC incorporado (las líneas "NÚMERO R:r G:g B:b" no comentadas).
    grep -v '^;' "$raiz/threads/datos/dmc.dat" | sed -nE 's/.*R:([0-9]+) +G:([0-9]+) +B:([0-9]+).*/\1 \2 \3/p' > "$tmp/dmc.txt"
    { echo P3; echo "$(wc -l < "$tmp/dmc.txt") 1"; echo 255; cat "$tmp/dmc.txt"; } > "$tmp/dmc.ppm"
    "$convert" "$tmp/dmc.ppm" "$tmp/dmc.png"
fi

# Mediana, en milisegundos, del tiempo de reloj de la orden.
mediana() {
    local t=() i a b
    "$@" > /dev/null 2>&1
    for ((i = 0; i < vueltas; i++)); do
        a=$(date +%s%N)
        "$@" > /dev/null 2>&1
        b=$(date +%s%N)
        t+=($(((b - a) / 1000)))
    done
    printf '%s\n' "${t[@]}" | sort -n | awk '{v[NR]=$1} END {printf "%.1f", v[int((NR+1)/2)]/1000}'
}

echo "carga: $(cut -d' ' -f1-3 /proc/loadavg), núcleos: $(nproc), PC_HILOS=${PC_HILOS:-}"
im=$(mediana "$convert" "$foto" -sample '700x700!' +dither -remap "$tmp/dmc.png" "$tmp/im.bmp")
g700=$(mediana "$lote" generar "$foto" -o "$tmp/g700.pc" --ancho 700 --alto 700)
g10=$(mediana "$lote" generar "$foto" -o "$tmp/g10.pc" --ancho 10 --alto 10)
fiel=$(mediana "$lote" generar "$foto" -o "$tmp/fiel.pc" --ancho 700 --alto 700 --fiel)
echo "ImageMagick sample+remap 700x700: $im ms"
echo "generar 700x700:                  $g700 ms  (ImageMagick / generar = $(awk "BEGIN{printf \"%.1f\", $im/$g700}"))"
echo "generar 10x10 (leer y muestrear): $g10 ms  (generar 700 / generar 10 = $(awk "BEGIN{printf \"%.2f\", $g700/$g10}"))"
echo "generar --fiel 700x700:           $fiel ms  (fiel / ImageMagick = $(awk "BEGIN{printf \"%.3f\", $fiel/$im}"))"
