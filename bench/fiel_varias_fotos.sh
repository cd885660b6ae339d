#!/bin/bash
# "puntocruz-lote generar --fiel" a 700 x 700 frente a ImageMagick
#   convert FOTO.bmp -sample 700x700! +dither -remap dmc.png salida.bmp
# con fotos de varias clases, todas ampliadas a 4000 x 3000 en BMP de 24 bits: paisaje
# (rocket), retrato (astronaut), objeto (chelsea), la taza de muestra, un gráfico plano hecho
# aquí (franjas y círculos de pocos colores) y ruido. Las dos órdenes se alternan vuelta a vuelta
# (la máquina puede estar cargada: cada proporción se toma en la misma vuelta) y se escribe la
# mediana de cada tiempo y de las proporciones fiel / ImageMagick, de reloj y de CPU (usuario +
# sistema: en una máquina cargada el reloj castiga al programa que usa dos núcleos).
# Con OTRO (otro puntocruz-lote, p. ej. el de antes de un cambio) se mide también ése en las
# mismas vueltas y se comprueba que los dos graban el mismo patrón byte a byte.
#
#   bench/fiel_varias_fotos.sh [build/puntocruz-lote] [vueltas] [OTRO]
#
# Medido en 2 núcleos con carga 3-5 de otras compilaciones, 9 vueltas, OTRO = el de antes de
# afinar la FIEL (mismos patrones byte a byte); milisegundos de reloj / CPU y fiel / IM:
#   foto     IM ms reloj/cpu  fiel reloj/cpu   fiel/IM r/cpu  otro reloj/cpu   otro/IM r/cpu
#   paisaje         1180/750         430/240     0.350/0.320         460/260     0.381/0.347
#   retrato          880/679         380/290     0.462/0.427         460/370     0.575/0.536
#   gata             610/530         250/210     0.404/0.396         330/260     0.541/0.491
#   taza             810/659         380/280     0.443/0.433         360/310     0.479/0.470
#   plano            140/110          100/90     0.769/0.818         130/100     0.929/0.909
#   ruido            400/350         190/140     0.487/0.417         230/180     0.553/0.528
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
lote=$(realpath "${1:-$raiz/build/puntocruz-lote}")
vueltas=${2:-7}
otro=${3:+$(realpath "$3")}
tmp=${TMPDIR:-/tmp}/pc_fiel_varias
mkdir -p "$tmp"
convert=/usr/bin/convert
[ -x "$convert" ] || convert=$(command -v convert)

if [ ! -f "$tmp/dmc.png" ]; then
    grep -v '^;' "$raiz/threads/datos/dmc.dat" | sed -nE 's/.*R:([0-9]+) +G:([0-9]+) +B:([0-9]+).*/\1 \2 \3/p' > "$tmp/dmc.txt"
    { echo P3; echo "$(wc -l < "$tmp/dmc.txt") 1"; echo 255; cat "$tmp/dmc.txt"; } > "$tmp/dmc.ppm"
    "$convert" "$tmp/dmc.ppm" "$tmp/dmc.png"
fi

preparar() {  # nombre, orden de convert que escribe $tmp/nombre.bmp
    local nombre=$1
    shift
    [ -f "$tmp/$nombre.bmp" ] || "$@"
}
preparar paisaje "$convert" "$raiz/bench/datos/rocket.jpg" -resize '4000x3000!' -type TrueColor "BMP3:$tmp/paisaje.bmp"
preparar retrato "$convert" "$raiz/bench/datos/astronaut.png" -resize '4000x3000!' -type TrueColor "BMP3:$tmp/retrato.bmp"
preparar gata "$convert" "$raiz/bench/datos/chelsea.png" -resize '4000x3000!' -type TrueColor "BMP3:$tmp/gata.bmp"
preparar taza "$convert" "$raiz/tests/datos/coffee.png" -resize '4000x3000!' -type TrueColor "BMP3:$tmp/taza.bmp"
preparar plano "$convert" -size 4000x3000 xc:'#f4e9d0' -fill '#1f4e8c' -draw 'rectangle 0,0 4000,600' \
    -fill '#c0392b' -draw 'circle 2000,1600 2000,2600' -fill '#27ae60' -draw 'rectangle 300,2200 1500,2900' \
    -fill black -draw 'rectangle 2900,900 3700,1200' -type TrueColor "BMP3:$tmp/plano.bmp"
preparar ruido "$convert" -size 4000x3000 xc:gray +noise Random -type TrueColor "BMP3:$tmp/ruido.bmp"

tiempos() {  # "reloj cpu" en milisegundos de la orden (cpu: usuario + sistema)
    /usr/bin/time -f '%e %U %S' -o "$tmp/tiempo.txt" "$@" > /dev/null 2>&1
    awk '{printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000}' "$tmp/tiempo.txt"
}
mediana() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
prop() { awk "BEGIN{printf \"%.3f\", $1 / ($2 > 0 ? $2 : 1)}"; }

echo "carga: $(cut -d' ' -f1-3 /proc/loadavg), núcleos: $(nproc), PC_HILOS=${PC_HILOS:-}"
printf '%-8s %15s %15s %15s' foto "IM ms reloj/cpu" "fiel reloj/cpu" "fiel/IM r/cpu"
[ -n "$otro" ] && printf ' %15s %15s' "otro reloj/cpu" "otro/IM r/cpu"
echo
for nombre in paisaje retrato gata taza plano ruido; do
    foto=$tmp/$nombre.bmp
    generar() { "$1" generar "$foto" -o "$2" --ancho 700 --alto 700 --fiel; }
    generar "$lote" "$tmp/$nombre.pc" > /dev/null 2>&1  # calentamiento
    if [ -n "$otro" ]; then
        generar "$otro" "$tmp/$nombre.otro.pc" > /dev/null 2>&1
        cmp -s "$tmp/$nombre.pc" "$tmp/$nombre.otro.pc" || echo "$nombre: ¡los dos patrones difieren!"
    fi
    imr=() imc=() fr=() fc=() pr=() pc=() or=() oc=() qr=() qc=()
    for ((i = 0; i < vueltas; i++)); do
        read -r a ac < <(tiempos "$convert" "$foto" -sample '700x700!' +dither -remap "$tmp/dmc.png" "$tmp/im.bmp")
        read -r b bc < <(tiempos "$lote" generar "$foto" -o "$tmp/$nombre.pc" --ancho 700 --alto 700 --fiel)
        imr+=("$a") imc+=("$ac") fr+=("$b") fc+=("$bc") pr+=("$(prop "$b" "$a")") pc+=("$(prop "$bc" "$ac")")
        if [ -n "$otro" ]; then
            read -r o oc_ < <(tiempos "$otro" generar "$foto" -o "$tmp/$nombre.otro.pc" --ancho 700 --alto 700 --fiel)
            or+=("$o") oc+=("$oc_") qr+=("$(prop "$o" "$a")") qc+=("$(prop "$oc_" "$ac")")
        fi
    done
    printf '%-8s %15s %15s %15s' "$nombre" "$(mediana "${imr[@]}")/$(mediana "${imc[@]}")" \
        "$(mediana "${fr[@]}")/$(mediana "${fc[@]}")" "$(mediana "${pr[@]}")/$(mediana "${pc[@]}")"
    [ -n "$otro" ] && printf ' %15s %15s' "$(mediana "${or[@]}")/$(mediana "${oc[@]}")" "$(mediana "${qr[@]}")/$(mediana "${qc[@]}")"
    echo
done
